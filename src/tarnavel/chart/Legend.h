#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// The plain settings of a legend entry, with the defaults every new entry has.
struct legendSettings {
  /// The host's identifier; nothing in the chart reads it.
  NSInteger ID = 0;
  /// `ChartLegendBulletType`.
  NSUInteger legendBulletType = 1;
  /// Bullet side; 0 or below is computed when the legend is laid out, and written back.
  CGFloat legendBulletWidth = -1.0;
  CGFloat legendBulletStrokeLineWidth = 0.2;
  std::optional<std::string> legendBulletImageName = "";
  /// Spacing unit of the entry and of the zone.
  CGFloat legendMargin = 2.0;

  friend bool operator==(const legendSettings&, const legendSettings&) = default;
};

/// One legend entry: a bullet and a label, laid out in the chart's legend zone.
class legend : public UIView, public legendSettings {
 public:
  /// initWithFrame:
  explicit legend(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit legend(const NSCoder& coder);

  std::shared_ptr<UIView> legendBullet;
  /// Translucent red (1, 0, 0, 0.5) in a new entry.
  std::shared_ptr<UIColor> legendBulletFillColor;
  /// Blue (0, 0, 1, 1) in a new entry.
  std::shared_ptr<UIColor> legendBulletStrokeLineColor;
  /// Entry text, white in the system font at 7 until the host changes it.
  std::shared_ptr<UILabel> legendLabel;

 private:
  void baseInit();
};

}  // namespace tarnavel
