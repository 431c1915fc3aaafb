#pragma once

#include <memory>

#include "tarnavel/platform/controls/UIControl.h"
#include "tarnavel/platform/graphics/UIImage.h"

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

  /// The knob's colour; null draws white.
  std::shared_ptr<UIColor> thumbTintColor;
  // Images of the two states, kept as given (the switch draws its plain track).
  std::shared_ptr<UIImage> onImage;
  std::shared_ptr<UIImage> offImage;

  /// Flips the switch as a person's tap does and sends ValueChanged; a disabled switch, or one that takes
  /// no touches, stays as it is.
  void tap();

  void drawContent(CGContext& context) const override;
};

}  // namespace tarnavel
