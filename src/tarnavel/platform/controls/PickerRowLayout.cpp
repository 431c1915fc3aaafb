// How a picker asks its data source and delegate for what it shows, and draws the row views they give.
#include <algorithm>
#include <cmath>

#include "tarnavel/platform/controls/PickerFace.h"
#include "tarnavel/platform/controls/UIPickerView.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {

namespace {

// Row heights below a point are raised to it, so that a face never lays out more rows than it has points.
constexpr CGFloat kSmallestRowHeight = 1;
// Row views keep clear of a wheel's sides by this much, a quarter of the wheel at most, as on a real wheel.
constexpr CGFloat kWheelSideInset = 16;
// A row view may hold a picker whose row view holds a picker...; deeper than this only faces are drawn.
constexpr int kDeepestNestedPicker = 8;

thread_local int nestedPickerDraws = 0;

/// Counts one level of pickers drawn inside row views, for as long as it lives.
struct NestedPickerDraw {
  NestedPickerDraw() { ++nestedPickerDraws; }
  ~NestedPickerDraw() { --nestedPickerDraws; }
  NestedPickerDraw(const NestedPickerDraw&) = delete;
  NestedPickerDraw& operator=(const NestedPickerDraw&) = delete;
};

NSInteger countOf(std::optional<NSInteger> answer) {
  return answer && *answer > 0 ? *answer : 0;
}

}  // namespace

void UIPickerView::reloadAllComponents() {
  shownRows_.clear();
  components_ = 0;
  rowHeight_ = bounds().size.height / kPickerVisibleRows;
  const auto source = dataSource();
  if (!source) return;
  // Held while asking: an answer may release the picker's other owners.
  const auto self = shared_from_this();
  // Each wheel gets at least a point of the width.
  const auto widest = static_cast<NSInteger>(std::max(bounds().size.width, kSmallestRowHeight));
  components_ = std::min(countOf(source->numberOfComponentsInPickerView(*this)), widest);
  for (NSInteger component = 0; component < components_; ++component)
    askComponentRows(component, components_);
}

CGFloat UIPickerView::askRowHeight(NSInteger component) {
  const auto listener = delegate();
  const std::optional<CGFloat> asked =
      listener ? listener->rowHeightForComponent(*this, component) : std::nullopt;
  // A height that is not a positive number cannot lay rows out; the picker keeps its own.
  if (!asked || !std::isfinite(*asked) || !(*asked > 0)) return bounds().size.height / kPickerVisibleRows;
  return std::max(*asked, kSmallestRowHeight);
}

void UIPickerView::askComponentRows(NSInteger component, NSInteger components) {
  const auto source = dataSource();
  if (!source) return;
  const NSInteger rows = countOf(source->numberOfRowsInComponent(*this, component));
  const CGFloat height = askRowHeight(component);
  if (component == 0) rowHeight_ = height;
  if (rows == 0) return;

  const CGRect box = bounds();
  const CGFloat width = box.size.width / static_cast<CGFloat>(components);
  const CGFloat left = box.origin.x + width * static_cast<CGFloat>(component);
  const CGFloat inset = std::min(kWheelSideInset, width / 4);
  const CGFloat selectedTop = box.origin.y + (box.size.height - height) / 2;
  const NSInteger selected = std::clamp<NSInteger>(selectedRowInComponent(component), 0, rows - 1);
  // Rows that reach into the face above and below the selected one.
  const auto reach = static_cast<NSInteger>(std::ceil(std::max(selectedTop - box.origin.y, 0.0) / height));
  const NSInteger first = selected - std::min(reach, selected);
  const NSInteger last = selected + std::min(reach, rows - 1 - selected);
  for (NSInteger row = first; row <= last; ++row) {
    const auto listener = delegate();
    if (!listener) return;
    auto view = listener->viewForRow(*this, row, component, nullptr);
    // A view holding the picker itself cannot be drawn inside it.
    if (!view || view.get() == this || isDescendantOfView(view.get())) continue;
    view->setFrame(CGRectMake(left + inset, selectedTop + static_cast<CGFloat>(row - selected) * height,
                              width - 2 * inset, height));
    shownRows_.push_back({component, row, std::move(view)});
  }
}

std::shared_ptr<UIView> UIPickerView::viewForRow(NSInteger row, NSInteger component) const {
  for (const ShownRow& shown : shownRows_) {
    if (shown.row == row && shown.component == component) return shown.view;
  }
  return nullptr;
}

void UIPickerView::drawContent(CGContext& context) const {
  // Drawing lays the rows out first, as the toolkit does before it shows a view. Pickers are made as
  // mutable objects; only the drawing interface is const.
  auto& picker = const_cast<UIPickerView&>(*this);
  if (nestedPickerDraws < kDeepestNestedPicker) picker.reloadAllComponents();
  drawPickerFace(context, bounds(), static_cast<int>(std::max<NSInteger>(components_, 1)), rowHeight_);
  if (nestedPickerDraws >= kDeepestNestedPicker) return;
  const NestedPickerDraw nested;
  // Held while drawing: the next asking may drop a row view from the list.
  const std::vector<ShownRow> shown = shownRows_;
  for (const ShownRow& row : shown) {
    const CALayer& layer = *row.view->layer();
    context.saveGState();
    context.concatCTM(layer.transformToSuperlayer());
    renderLayerTree(layer, context);
    context.restoreGState();
  }
}

}  // namespace tarnavel
