#include "tarnavel/chart/ChartSeries.h"

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartMarkers.h"

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
  // TODO(shape layer): a new CAShapeLayer once the platform has one.
  pie3D = true;
  pie3DHeight = 15;
  pieCenter = {kChartUnsetPieCenter, kChartUnsetPieCenter};
  pieRadius = -1.0;
  pieStarts = 270;
}

}  // namespace tarnavel
