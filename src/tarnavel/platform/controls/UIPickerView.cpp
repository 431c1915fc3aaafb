#include "tarnavel/platform/controls/UIPickerView.h"

#include <string>

#include "tarnavel/platform/controls/PickerFace.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

void checkNotNegative(NSInteger index, const char* what) {
  if (index < 0) raiseException(NSRangeException, std::string("picker ") + what + " below 0");
}

}  // namespace

UIPickerView::UIPickerView(CGRect frame) : UIView(CGRect{frame.origin, kNaturalSize}) {}

UIPickerView::UIPickerView(const NSCoder& coder) : UIView(coder) {
  setFrame({frame().origin, kNaturalSize});
}

void UIPickerView::selectRow(NSInteger row, NSInteger component, bool /*animated*/) {
  checkNotNegative(row, "row");
  checkNotNegative(component, "component");
  const auto index = static_cast<std::size_t>(component);
  if (index >= selectedRows_.size()) selectedRows_.resize(index + 1, 0);
  selectedRows_[index] = row;
}

NSInteger UIPickerView::selectedRowInComponent(NSInteger component) const {
  checkNotNegative(component, "component");
  const auto index = static_cast<std::size_t>(component);
  return index < selectedRows_.size() ? selectedRows_[index] : 0;
}

}  // namespace tarnavel
