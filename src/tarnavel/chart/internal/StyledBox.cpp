#include "tarnavel/chart/internal/StyledBox.h"

namespace tarnavel {

std::shared_ptr<UIColor> defaultGradientColorTop() {
  return UIColor::colorWithRed(0.8, 0.18, 0.18, 0.2);
}

std::shared_ptr<UIColor> defaultGradientColorBottomExtra() {
  return UIColor::colorWithRed(0.1, 0.1, 0.8, 0.5);
}

void setStyledBoxLeadDefaults(UIView& view, ChartStyle& style) {
  view.setBackgroundColor(nullptr);
  style.foregroundColor = UIColor::whiteColor();
  style.textColor = nullptr;
  style.font = nullptr;
}

void clearStyledBoxBorder(UIView& view) {
  view.layer()->borderColor = nullptr;
  view.layer()->borderWidth = 0;
}

void setStyledBoxFillDefaults(ChartStyle& style, const ChartStyleFillDefaults& fills) {
  style.layoutStyle = fills.layoutStyle;
  style.gradientStyle = fills.gradientStyle;
  style.gradientDirection = fills.gradientDirection;
  style.gradientColorTop = fills.gradientColorTop;
  style.gradientColorTopExtra = UIColor::clearColor();
  style.gradientColorBottom = UIColor::clearColor();
  style.gradientColorBottomExtra = fills.gradientColorBottomExtra;
}

}  // namespace tarnavel
