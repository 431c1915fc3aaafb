#pragma once

#include <memory>

#include "tarnavel/platform/controls/UIControl.h"
#include "tarnavel/platform/graphics/UIImage.h"

namespace tarnavel {

/// A horizontal slider over [minimumValue, maximumValue]. The value is always kept within the bounds;
/// setting a bound or the value from code sends nothing; `dragToValue` acts as a person's drag.
class UISlider : public UIControl {
 public:
  /// The size of a slider made without a frame.
  static constexpr CGSize kNaturalSize{118, 31};

  UISlider() : UISlider(CGRect{{0, 0}, kNaturalSize}) {}
  explicit UISlider(CGRect frame);
  explicit UISlider(const NSCoder& coder);

  float minimumValue() const { return minimumValue_; }
  /// Raises the maximum to the new minimum when it was below it.
  void setMinimumValue(float minimum);
  float maximumValue() const { return maximumValue_; }
  /// Lowers the minimum to the new maximum when it was above it.
  void setMaximumValue(float maximum);
  /// Each bound as its own setter last gave it, before the other bound's setter moved it: tells a bound
  /// that was set from one that only followed the other.
  float givenMinimumValue() const { return givenMinimum_; }
  float givenMaximumValue() const { return givenMaximum_; }
  float value() const { return value_; }
  /// Limited to the bounds; a value that is not a number becomes the minimum.
  void setValue(float value);

  /// True sends value changes while the thumb moves, false only when it is let go.
  bool continuous = true;
  /// Track colours left and right of the thumb, and the thumb's; null draws the plain look.
  std::shared_ptr<UIColor> minimumTrackTintColor;
  std::shared_ptr<UIColor> maximumTrackTintColor;
  std::shared_ptr<UIColor> thumbTintColor;
  // Images beside the track, kept as given (the track spans the whole slider).
  std::shared_ptr<UIImage> minimumValueImage;
  std::shared_ptr<UIImage> maximumValueImage;

  /// Drags the thumb to `target` (limited to the bounds) and lifts the finger. ValueChanged goes out once
  /// when the value changed: on the move when continuous, on the lift otherwise. A disabled slider, one that
  /// takes no touches, or a target that is not a number, moves nothing.
  void dragToValue(float target);

  void drawContent(CGContext& context) const override;

 private:
  void limitValue();

  float minimumValue_ = 0;
  float maximumValue_ = 1;
  float givenMinimum_ = 0;
  float givenMaximum_ = 1;
  float value_ = 0;
};

}  // namespace tarnavel
