#include "GridStyling.h"

namespace gallery {

using namespace tarnavel;

std::shared_ptr<UIDataGrid> makeGalleryGrid(CGRect frame, CGFloat rowHeight, std::shared_ptr<UIColor> header,
                                            std::shared_ptr<UIColor> alternating) {
  const auto grid = std::make_shared<UIDataGrid>(frame);
  grid->setBackgroundColor(UIColor::whiteColor());
  grid->ColumnsWidth = 0;  // each column keeps its own width
  grid->RowHeight = rowHeight;
  grid->datagridFont = UIFont::fontWithName("Verdana", 11);
  grid->foregroundColor = UIColor::colorWithWhite(0.15, 1);
  grid->alternatingBackgroundColor = std::move(alternating);
  grid->cellBorderColor = UIColor::colorWithWhite(0.85, 1);
  grid->cellBorderWidth = 0.5;
  grid->HeaderFont = UIFont::fontWithName("Verdana-Bold", 11);
  grid->HeaderHeight = 26;
  grid->HeaderForegroundColor = UIColor::whiteColor();
  grid->HeaderBackgroundColor = std::move(header);
  return grid;
}

}  // namespace gallery
