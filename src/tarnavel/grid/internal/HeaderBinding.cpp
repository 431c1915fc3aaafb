// The header pass: column widths, auto-sizing, title labels with their tap recognizer, and the border
// views between titles.
#include <vector>

#include "tarnavel/grid/internal/Carriers.h"
#include "tarnavel/grid/internal/DataGridBinder.h"
#include "tarnavel/grid/internal/GridMarkerTests.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/graphics/TextMeasure.h"

namespace tarnavel {

namespace {

constexpr const char* kTitleTapAction = "tappedTitle:";
// While the grid's ColumnsWidth holds exactly this value, it overrides every column's own Width.
constexpr CGFloat kUniformColumnsWidth = 70.0;

}  // namespace

void DataGridBinder::bindHeader() {
  if (grid_.Columns.empty()) return;
  CGFloat x = 0;
  for (std::size_t i = 0; i < grid_.Columns.size(); ++i) {
    DataGridColumn* column = grid_.Columns[i].get();
    // A hidden column takes no room; the later ones keep their own index.
    if (!column || column->isHidden()) continue;
    x = bindHeaderColumn(*column, i, x);
  }
  state_.header->setFrame(CGRectMake(0, 0, x, grid_.HeaderHeight));
}

CGFloat DataGridBinder::bindHeaderColumn(DataGridColumn& column, std::size_t index, CGFloat x) {
  CGFloat width = grid_.ColumnsWidth == kUniformColumnsWidth ? kUniformColumnsWidth : column.Width;
  const std::shared_ptr<UIFont>& titleFont = column.HeaderFont ? column.HeaderFont : grid_.HeaderFont;
  const CGSize titleSize = sizeWithFont(column.Title, titleFont);
  if (titleSize.height > grid_.HeaderHeight) grid_.HeaderHeight = titleSize.height;
  if (!column.font) column.font = grid_.datagridFont;

  if (column.AutoSizeType == DataGridAutoSizeTypeTitle) {
    width = titleSize.width;
  } else if (column.AutoSizeType == DataGridAutoSizeTypeContent) {
    width = measureContentWidth(column).value_or(width);
  }
  column.Width = width;
  // A later, taller title raises HeaderHeight for the strip and later columns, not for this frame.
  column.setFrame(CGRectMake(x, 0, width, grid_.HeaderHeight));

  if (isUnsetColor(column.backgroundColor())) column.setBackgroundColor(grid_.backgroundColor());
  if (isUnsetColor(column.textColor)) column.textColor = grid_.foregroundColor;

  bindTitleLabel(column, index, titleFont);
  x = saturatedLength(x + width);
  if (grid_.columnBorderWidth != 0) {
    state_.header->addSubview(
        makeStrip(CGRectMake(x, 0, grid_.columnBorderWidth, grid_.HeaderHeight), grid_.columnBorderColor));
    x = saturatedLength(x + grid_.columnBorderWidth);
  }
  return x;
}

void DataGridBinder::bindTitleLabel(DataGridColumn& column, std::size_t index,
                                    const std::shared_ptr<UIFont>& titleFont) {
  const std::shared_ptr<UILabel> label = column.header;
  if (!label) return;
  label->setFrame(column.frame());
  label->setText(column.Title);
  // The title's background is the one step a bind may skip and go on.
  runProtected([&] {
    label->setBackgroundColor(colorOrFallback(column.HeaderBackgroundColor, grid_.HeaderBackgroundColor));
  });
  label->setTextColor(colorOrFallback(column.HeaderForegroundColor, grid_.HeaderForegroundColor));
  label->setFont(titleFont);
  label->layer()->borderColor =
      layerColorOf(colorOrFallback(column.HeaderBorderColor, grid_.HeaderBorderColor));
  label->layer()->borderWidth =
      column.HeaderBorderWidth != 0 ? column.HeaderBorderWidth : grid_.HeaderBorderWidth;
  replaceTitleRecognizer(*label, index);
  state_.header->addSubview(label);
}

void DataGridBinder::replaceTitleRecognizer(UILabel& label, std::size_t index) {
  // The label outlives binds: drop the recognizer an earlier bind of this grid added, so that one tap
  // reports the title once. Recognizers of the host stay.
  const std::vector<std::shared_ptr<UIGestureRecognizer>> existing = label.gestureRecognizers();
  for (const auto& recognizer : existing) {
    if (recognizer->hasTarget(&grid_, kTitleTapAction)) label.removeGestureRecognizer(recognizer);
  }
  if (!self_) return;  // a grid no shared pointer holds cannot be a recognizer's target
  auto tap = std::make_shared<UITapGestureRecognizer>(self_, kTitleTapAction, &UIDataGrid::tappedTitle);
  tap->accessibilityHint = carrierText(index);
  tap->accessibilityValue = label.text() ? Value(*label.text()) : Value();
  tap->numberOfTapsRequired = 1;
  label.userInteractionEnabled = true;
  label.addGestureRecognizer(std::move(tap));
}

}  // namespace tarnavel
