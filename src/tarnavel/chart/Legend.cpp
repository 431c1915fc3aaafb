#include "tarnavel/chart/Legend.h"

namespace tarnavel {

legend::legend(CGRect frame) : UIView(frame) {
  baseInit();
}

legend::legend(const NSCoder& coder) : UIView(coder) {
  baseInit();
}

void legend::baseInit() {
  legendBullet = std::make_shared<UIView>();
  legendBulletFillColor = UIColor::colorWithRed(1, 0, 0, 0.5);
  legendBulletStrokeLineColor = UIColor::colorWithRed(0, 0, 1, 1);
  legendLabel = std::make_shared<UILabel>();
  legendLabel->setTextColor(UIColor::whiteColor());
  legendLabel->setFont(UIFont::systemFontOfSize(7.0));
}

}  // namespace tarnavel
