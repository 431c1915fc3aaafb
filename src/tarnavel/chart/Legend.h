#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tarnavel/platform/views/UILabel.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// One legend entry: a bullet and a label, laid out in the chart's legend zone.
class legend : public UIView {
 public:
  /// initWithFrame:
  explicit legend(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit legend(const NSCoder& coder);

  /// The host's identifier; nothing in the chart reads it.
  NSInteger ID = 0;
  std::shared_ptr<UIView> legendBullet;
  /// `ChartLegendBulletType`.
  NSUInteger legendBulletType = 0;
  /// Bullet side; 0 or below is computed when the legend is laid out, and written back.
  CGFloat legendBulletWidth = 0;
  CGFloat legendBulletStrokeLineWidth = 0;
  std::shared_ptr<UIColor> legendBulletFillColor;
  std::shared_ptr<UIColor> legendBulletStrokeLineColor;
  std::optional<std::string> legendBulletImageName;
  /// Entry text, white in the system font at 7 until the host changes it.
  std::shared_ptr<UILabel> legendLabel;
  /// Spacing unit of the entry and of the zone.
  CGFloat legendMargin = 0;

 private:
  void baseInit();
};

}  // namespace tarnavel
