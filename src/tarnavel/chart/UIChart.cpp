#include "tarnavel/chart/UIChart.h"

#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/MarkedRegion.h"
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
  chartType = ChartTypeBar;
  orientation = 0;
  clearStyledBoxBorder(*this);
  // The chart's own background is unfilled by default; when asked for a gradient it is a radial one.
  setStyledBoxFillDefaults(*this, {0, 1, 0, defaultGradientColorTop(), defaultGradientColorBottomExtra()});
  chartTitle = std::make_shared<UILabel>(CGRectMake(0, 0, 222, 22));
  plotArea = std::make_shared<UIView>();
  markedRegions.clear();
  yAxisTitleLabel = std::make_shared<UILabel>();
  yAxisTitleLabelRotationAngle = 90.0;
  yAxisTitleVerticalLocation = 0;
  yAxisLabelsTextColor = UIColor::whiteColor();
  yAxisLabelsFont = UIFont::systemFontOfSize(5.0);
  yAxisLabelsHidden = false;
  yAxisLinesHidden = false;
  yAxisScaleUnitsCount = 4;
  xAxisTitleLabel = std::make_shared<UILabel>();
  xAxisTitleLabelRotationAngle = 0.0;
  xAxisTitleHorizontalLocation = 2;
  xAxisTitleXshift = 0.0;
  xAxisTitleYshift = 0.0;
  xAxisLabelsTextColor = UIColor::whiteColor();
  xAxisLabelsFont = UIFont::systemFontOfSize(5.0);
  xAxisLabelsHidden = true;
  xAxisLinesHidden = true;
  xAxisLabelsShowDefaultOrderNumbers = false;
  legendZone = std::make_shared<legendArea>();
  legendZoneHorizontalLocation = 2;
  legendZoneVerticalLocation = 0;
  legendsInterpositions = 0;
  legends.clear();
  series.clear();
  minValue = 0.0;
  maxValue = kChartUnsetMaxValue;
  itemBreadth = 0.5;
}

}  // namespace tarnavel
