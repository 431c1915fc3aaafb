#include "tarnavel/chart/UIChart.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/StyledBox.h"

namespace tarnavel {

UIChart::UIChart(CGRect frame) : UIView(frame), bindRecord_(std::make_unique<ChartBindRecord>()) {
  baseInit();
}

UIChart::UIChart(const NSCoder& coder) : UIView(coder), bindRecord_(std::make_unique<ChartBindRecord>()) {
  baseInit();
}

UIChart::~UIChart() = default;

void UIChart::baseInit() {
  setStyledBoxLeadDefaults(*this, *this);
  clearStyledBoxBorder(*this);
  // The chart's own background is unfilled by default; when asked for a gradient it is a radial one.
  setStyledBoxFillDefaults(*this, {0, 1, 0, defaultGradientColorTop(), defaultGradientColorBottomExtra()});
  chartTitle = std::make_shared<UILabel>(CGRectMake(0, 0, 222, 22));
  plotArea = std::make_shared<UIView>();
  yAxisTitleLabel = std::make_shared<UILabel>();
  xAxisTitleLabel = std::make_shared<UILabel>();
  legendZone = std::make_shared<legendArea>();
}

}  // namespace tarnavel
