#include "tarnavel/platform/controls/UIPickerView.h"

#include "tarnavel/platform/controls/PickerFace.h"

namespace tarnavel {

UIPickerView::UIPickerView(CGRect frame) : UIView(CGRect{frame.origin, kNaturalSize}) {}

UIPickerView::UIPickerView(const NSCoder& coder) : UIView(coder) {
  setFrame({frame().origin, kNaturalSize});
}

void UIPickerView::drawContent(CGContext& context) const {
  drawPickerFace(context, bounds(), 1);
}

}  // namespace tarnavel
