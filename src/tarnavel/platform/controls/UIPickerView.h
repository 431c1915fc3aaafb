#pragma once

#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// A spinning-wheel picker of fixed size: made with a frame, it keeps the frame's origin and takes its
/// natural size.
class UIPickerView : public UIView {
 public:
  static constexpr CGSize kNaturalSize{320, 216};

  UIPickerView() : UIPickerView(CGRectZero) {}
  explicit UIPickerView(CGRect frame);
  explicit UIPickerView(const NSCoder& coder);

  void drawContent(CGContext& context) const override;
};

}  // namespace tarnavel
