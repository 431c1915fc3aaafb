#pragma once

#include <memory>

#include "tarnavel/platform/controls/UIControl.h"

namespace tarnavel {

/// An on/off switch of fixed size: made with a frame, it keeps the frame's origin and takes its natural
/// size. Setting `on` from code sends nothing; `tap` acts as a person's tap.
class UISwitch : public UIControl {
 public:
  static constexpr CGSize kNaturalSize{51, 31};

  UISwitch() : UISwitch(CGRectZero) {}
  explicit UISwitch(CGRect frame);
  explicit UISwitch(const NSCoder& coder);

  bool on = false;
  /// The track colour while on; null draws green.
  std::shared_ptr<UIColor> onTintColor;

  /// Flips the switch as a person's tap does and sends ValueChanged; a disabled switch, or one that takes
  /// no touches, stays as it is.
  void tap();

  void drawContent(CGContext& context) const override;
};

}  // namespace tarnavel
