#include "tarnavel/chart/ChartItem.h"

#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/internal/StyledBox.h"

namespace tarnavel {

ChartItem::ChartItem(CGRect frame) : UIView(frame) {
  baseInit();
}

ChartItem::ChartItem(const NSCoder& coder) : UIView(coder) {
  baseInit();
}

void ChartItem::baseInit() {
  setStyledBoxLeadDefaults(*this, *this);
  clearStyledBoxBorder(*this);
  setStyledBoxFillDefaults(
      *this, {kChartItemUnset, 0, 2, defaultGradientColorTop(), defaultGradientColorBottomExtra()});
  Title = std::make_shared<UILabel>(CGRectMake(0, 0, 200, 20));
  xAxisLabel = std::make_shared<UILabel>();
  point = std::make_shared<UIView>();
  pointFillColor = UIColor::colorWithRed(1, 0, 0, 0.5);
  pointStrokeLineColor = UIColor::colorWithRed(0, 0, 1, 1);
}

}  // namespace tarnavel
