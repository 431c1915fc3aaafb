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
  Items.clear();
  shape = CAShapeLayer::layer();
  pie3D = true;
  pie3DHeight = 15;
  pieCenter = {kChartUnsetPieCenter, kChartUnsetPieCenter};
  pieRadius = -1.0;
  pieStarts = 270;
}

}  // namespace tarnavel
