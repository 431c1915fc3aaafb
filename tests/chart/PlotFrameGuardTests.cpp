#include <cmath>
#include <functional>
#include <limits>

#include "PlotFixture.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {
namespace {

bool isFinite(CGRect r) {
  return CGRectIsFinite(r);
}

bool pathIsFinite(const CGPath& path) {
  for (const auto& e : path.elements()) {
    for (const CGPoint& p : e.points) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
  }
  return true;
}

// Every frame and every path under `view`, the view included.
void expectFiniteTree(const UIView& view) {
  EXPECT_TRUE(isFinite(view.frame()));
  for (const auto& layer : view.layer()->sublayers()) {
    EXPECT_TRUE(isFinite(layer->frame()));
    if (const auto* shape = dynamic_cast<const CAShapeLayer*>(layer.get()); shape && shape->path) {
      EXPECT_TRUE(pathIsFinite(*shape->path));
    }
  }
  for (const auto& child : view.subviews())
    expectFiniteTree(*child);
}

class PlotFrameGuards : public PlotFixture {
 protected:
  std::shared_ptr<markedRegion> region = std::make_shared<markedRegion>();
  std::shared_ptr<ChartSeries> series;

  void SetUp() override {
    PlotFixture::SetUp();
    series = addSeries({5, 10, 15, 20});
    region->yTop = 10;
    chart->markedRegions.push_back(region);
    chart->xAxisLabelsHidden = chart->xAxisLinesHidden = false;
    chart->xAxisLabelsShowDefaultOrderNumbers = true;
    for (const auto& item : series->Items)
      item->setFrame(CGRectMake(0, 0, 10, 10));
  }

  PlotGeometry drawAll(const PlotFrameOptions& options = PlotFrameOptions::bar()) {
    const PlotGeometry plot = drawPlotFrame(*chart, options);
    drawCategoryLabels(*chart, plot, options);
    expectFiniteTree(*chart);
    expectFiniteTree(*chart->plotArea);
    return plot;
  }

  bool regionDrawn() const { return region->superview() == chart->plotArea.get(); }
};

TEST_F(PlotFrameGuards, AllValuesZeroDrawNoTicksAndNoRegions) {
  setRange(0, 0, false, false);
  const PlotGeometry plot = drawAll();
  EXPECT_EQ(chart->maxValue, 0);
  EXPECT_FALSE(plot.hasValueScale());
  EXPECT_EQ(plot.valueLength(15), 0);
  EXPECT_EQ(valueLabels().size(), 4u) << "only the category labels";
  EXPECT_FALSE(regionDrawn());
  EXPECT_EQ(series->Items[0]->Title->superview(), chart->plotArea.get());
}

TEST_F(PlotFrameGuards, UnitsCountOfZeroOrBelowDrawsNoTicksButKeepsTheScale) {
  for (const int units : {0, -4}) {
    SCOPED_TRACE(units);
    chart->plotArea = std::make_shared<UIView>(CGRectMake(20, 30, 200, 100));
    chart->yAxisScaleUnitsCount = units;
    setRange(40, 0, false, false);
    const PlotGeometry plot = drawAll();
    EXPECT_EQ(chart->maxValue, 40) << "not rounded";
    EXPECT_TRUE(plot.hasValueScale());
    EXPECT_EQ(plot.valueLength(10), 25);
    EXPECT_EQ(gridLines().size(), 4u) << "only the category grid lines";
    EXPECT_EQ(region->frame(), CGRectMake(0, 75, 200, 25));
  }
}

TEST_F(PlotFrameGuards, FlatPlotDrawsNoTicks) {
  chart->plotArea->setFrame(CGRectMake(20, 30, 200, 0));
  const PlotGeometry plot = drawAll();
  EXPECT_EQ(plot.tickSpacing, 0);
  EXPECT_EQ(gridLines().size(), 4u);
  EXPECT_EQ(region->frame().size.height, 0);
  EXPECT_TRUE(regionDrawn());
}

TEST_F(PlotFrameGuards, NoPlotAreaDrawsNothingIntoIt) {
  chart->plotArea = nullptr;
  const PlotGeometry plot = drawPlotFrame(*chart, PlotFrameOptions::bar());
  drawCategoryLabels(*chart, plot, PlotFrameOptions::bar());
  EXPECT_EQ(plot.valueExtent, 0);
  EXPECT_EQ(plot.crossLength, 0);
  EXPECT_EQ(plot.titleBand, 20);
  expectFiniteTree(*chart);
}

TEST_F(PlotFrameGuards, FirstSeriesWithoutItemsLeavesOutRegionsCategoryPlacesAndValueTitles) {
  itemsCount = 0;
  const PlotGeometry plot = drawAll();
  EXPECT_FALSE(plot.hasSlots());
  EXPECT_FALSE(regionDrawn());
  EXPECT_EQ(region->xStart, -1) << "the bounds are still normalised";
  EXPECT_EQ(series->Items[0]->xAxisLabel->superview(), nullptr);
  EXPECT_EQ(series->Items[0]->Title->superview(), nullptr) << "a title follows its mark, which has no place";
  EXPECT_EQ(valueLabelTexts(), (std::vector<std::string>{"0", "10", "20", "30"}));
}

TEST_F(PlotFrameGuards, AbsurdUnitsCountDrawsTheLabelledTicksInsteadOfMillions) {
  chart->yAxisScaleUnitsCount = 100000000;
  drawAll();
  // 0, 10, 20 and 30 on the value axis, and the four category labels and lines.
  EXPECT_EQ(valueLabels().size(), 8u);
  EXPECT_EQ(gridLines().size(), 8u);
}

TEST_F(PlotFrameGuards, AChartNotHeldBySharedPointerStillGetsItsLabels) {
  UIChart local(CGRectMake(0, 0, 320, 240));
  local.plotArea->setFrame(CGRectMake(20, 30, 200, 100));
  local.maxValue = 100;
  drawPlotFrame(local, PlotFrameOptions::bar());
  EXPECT_EQ(local.subviews().size(), 4u) << "two value labels and the two axis titles";
}

TEST_F(PlotFrameGuards, ItemBreadthOutsideTheUnitRangeIsResetByBarDrawersOnly) {
  const CGFloat nan = std::nan("");
  const std::pair<CGFloat, CGFloat> barCases[] = {{1.5, 0.5}, {-0.2, 0.5}, {0, 0}, {1, 1}, {0.3, 0.3}};
  for (const auto& [given, kept] : barCases) {
    chart->itemBreadth = given;
    drawPlotFrame(*chart, PlotFrameOptions::bar());
    EXPECT_EQ(chart->itemBreadth, kept) << given;
  }
  chart->itemBreadth = nan;
  drawPlotFrame(*chart, PlotFrameOptions::cylinder(true));
  EXPECT_EQ(chart->itemBreadth, 0.5);
  for (const auto& options : {PlotFrameOptions::line(), PlotFrameOptions::area(false)}) {
    chart->itemBreadth = 1.5;
    drawPlotFrame(*chart, options);
    EXPECT_EQ(chart->itemBreadth, 1.5);
  }
}

}  // namespace
}  // namespace tarnavel
