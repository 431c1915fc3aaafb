#include "tarnavel/chart/ChartSeries.h"

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {

ChartSeries::ChartSeries(CGRect frame) : UIView(frame) {
  baseInit();
}

ChartSeries::ChartSeries(const NSCoder& coder) : UIView(coder) {
  baseInit();
}

void ChartSeries::baseInit() {
  setBackgroundColor(UIColor::clearColor());
  shape = CAShapeLayer::layer();
}

}  // namespace tarnavel
