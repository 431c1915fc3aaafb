#pragma once

// The look the gallery gives its grids: white page, Verdana 11, thin grey borders, a coloured header with
// white bold titles, and alternating rows. These are a host's choices, not the grid's defaults.
#include <memory>

#include "tarnavel/grid/UIDataGrid.h"

namespace gallery {

/// A column of `Column`'s kind showing field `field` under `title`, `width` wide, its title centred.
template <class Column>
std::shared_ptr<Column> makeGalleryColumn(const char* title, tarnavel::NSInteger field,
                                          tarnavel::CGFloat width) {
  auto made = std::make_shared<Column>();
  made->Title = title;
  made->dataFieldIndex = field;
  made->Width = width;
  made->header->textAlignment = tarnavel::NSTextAlignment::Center;
  return made;
}

/// A grid of `frame` in the gallery's look, rows `rowHeight` high, with the header and alternating colours
/// given; every column keeps its own width.
std::shared_ptr<tarnavel::UIDataGrid> makeGalleryGrid(tarnavel::CGRect frame, tarnavel::CGFloat rowHeight,
                                                      std::shared_ptr<tarnavel::UIColor> header,
                                                      std::shared_ptr<tarnavel::UIColor> alternating);

}  // namespace gallery
