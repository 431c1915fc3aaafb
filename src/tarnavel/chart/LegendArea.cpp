#include "tarnavel/chart/LegendArea.h"

#include "tarnavel/chart/internal/StyledBox.h"

namespace tarnavel {

legendArea::legendArea(CGRect frame) : UIView(frame) {
  baseInit();
}

legendArea::legendArea(const NSCoder& coder) : UIView(coder) {
  baseInit();
}

void legendArea::baseInit() {
  setStyledBoxLeadDefaults(*this, *this);
  clearStyledBoxBorder(*this);
  setStyledBoxFillDefaults(*this, {1, 0, 2, defaultGradientColorTop(), defaultGradientColorBottomExtra()});
  Title = std::make_shared<UILabel>(CGRectMake(0, 0, 200, 20));
}

}  // namespace tarnavel
