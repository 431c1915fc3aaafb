// The platform on its own: a hand-built table of views and labels, to check text, borders and fills.
#include <array>
#include <string>

#include "GalleryPage.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/views/UILabel.h"

namespace {

using namespace tarnavel;

constexpr CGFloat kColumnWidth = 120;
constexpr CGFloat kTitleHeight = 28;
constexpr CGFloat kRowHeight = 22;
constexpr int kRowCount = 8;

const std::array<const char*, 4> kTitles{"Region", "Product", "Units", "Revenue"};
const std::array<const char*, 4> kRegions{"North", "South", "East", "West"};
const std::array<const char*, 4> kProducts{"Lanterns", "Kettles", "Compasses",
                                           "Rope (long enough to be cut)"};

std::shared_ptr<UILabel> makeLabel(CGRect frame, const std::string& text, std::shared_ptr<UIFont> font,
                                   NSTextAlignment alignment) {
  auto label = std::make_shared<UILabel>(frame);
  label->setText(text);
  label->setFont(std::move(font));
  label->textAlignment = alignment;
  return label;
}

void addTitles(UIView& table) {
  const auto font = UIFont::fontWithName("Verdana-Bold", 12);
  for (std::size_t column = 0; column < kTitles.size(); ++column) {
    auto title = makeLabel(CGRectMake(column * kColumnWidth, 0, kColumnWidth, kTitleHeight), kTitles[column],
                           font, NSTextAlignment::Center);
    title->setBackgroundColor(UIColor::colorWithRed(0.85, 0.89, 0.95, 1));
    title->layer()->borderColor = UIColor::colorWithRed(0.2, 0.3, 0.5, 1)->CGColor();
    title->layer()->borderWidth = 1;
    table.addSubview(title);
  }
}

void addRows(UIView& table) {
  const auto font = UIFont::fontWithName("Verdana", 11);
  const auto even = UIColor::whiteColor();
  const auto odd = UIColor::colorWithRed(0.93, 0.95, 0.93, 1);
  for (int row = 0; row < kRowCount; ++row) {
    auto line = std::make_shared<UIView>(
        CGRectMake(0, kTitleHeight + row * kRowHeight, kColumnWidth * 4, kRowHeight));
    line->setBackgroundColor(row % 2 == 0 ? even : odd);
    const std::array<std::string, 4> cells{kRegions[row % 4], kProducts[row % 4],
                                           std::to_string(12 + row * 7),
                                           std::to_string(250 + row * 135) + ".00"};
    for (std::size_t column = 0; column < cells.size(); ++column) {
      const auto alignment = column >= 2 ? NSTextAlignment::Right : NSTextAlignment::Left;
      line->addSubview(makeLabel(CGRectMake(column * kColumnWidth + 6, 0, kColumnWidth - 12, kRowHeight),
                                 cells[column], font, alignment));
    }
    table.addSubview(line);
  }
}

void build(gallery::GalleryOutput& output) {
  UIView table(CGRectMake(0, 0, kColumnWidth * 4, kTitleHeight + kRowCount * kRowHeight));
  table.layer()->borderColor = UIColor::darkGrayColor()->CGColor();
  table.layer()->borderWidth = 1;
  addRows(table);
  addTitles(table);
  for (const char* name : {"foundation.png", "foundation.svg", "foundation.pdf"})
    output.renderView(table, name);
}

}  // namespace

static gallery::GalleryPage page("foundation", &build);
