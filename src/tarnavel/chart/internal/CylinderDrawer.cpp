#include "tarnavel/chart/internal/CylinderDrawer.h"

#include <cmath>
#include <memory>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartGlobals.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/BarGeometry.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/CylinderGeometry.h"
#include "tarnavel/chart/internal/LayerCopyBudget.h"
#include "tarnavel/chart/internal/LayerHelpers.h"
#include "tarnavel/chart/internal/PlotOverlay.h"

namespace tarnavel {

namespace {

// What every cylinder of one drawer call shares.
struct CylinderPass {
  UIChart& chart;
  const BarPlot& plot;
  bool stacked;
  CGFloat breadth;
  BarStackSums sums;
  LayerCopyBudget copies;
};

std::shared_ptr<CAShapeLayer> makeTopOval(const CylinderPass& pass, ChartSeries& series, std::size_t j,
                                          std::size_t k, ChartItem& item) {
  auto oval = copyShapeTemplate(series, ShapeTemplateUse::Cylinder);
  automaticItemColor(item, *oval, k, series.Items.size(), j);
  if (const auto rect = cylinderTopOval(item.frame(), pass.plot.frame.orientation, pass.breadth)) {
    const CGMutablePathRef path = CGPathCreateMutable();
    path->addEllipseInRect(*rect);
    oval->path = path;
  }
  return oval;
}

// The item's overlay over the plot, clipped to the oval, inside the container after the oval. A gradient
// also leaves a copy of the filled oval on the plot area, under the body.
void addTopOverlay(CylinderPass& pass, const ChartItem& item, const std::shared_ptr<CAShapeLayer>& oval,
                   CALayer& container) {
  const std::shared_ptr<UIView>& plotArea = pass.chart.plotArea;
  if (!plotArea) return;
  ChartBindRecord& record = bindRecordOf(pass.chart);
  if (auto overlay = makePlotOverlay(item, *plotArea, *oval, record))
    container.addSublayer(std::move(overlay));
  if (item.layoutStyle != ChartLayoutStyleGradient) return;
  for (auto& copy : archivedLayerCopy(*oval, 1, pass.copies))
    record.addSublayer(plotArea->layer(), std::move(copy));
}

void addBody(CylinderPass& pass, const ChartSeries& series, const CALayer& container, CGFloat value,
             CGFloat length) {
  const std::vector<std::shared_ptr<CALayer>> copies =
      archivedLayerCopy(container, cylinderBodyCopyCount(value, length), pass.copies);
  const std::vector<CylinderBodyCopy> body = cylinderBodyCopies(value, length, copies.size());
  const CGSize size = container.frame().size;
  const NSUInteger orientation = pass.plot.frame.orientation;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const std::shared_ptr<CALayer>& copy = copies[i];
    if (orientation == ChartOrientationHorizontal)
      copy->setFrame(CGRectMake(body[i].offset, 0, size.width, size.height));
    if (orientation == ChartOrientationVertical)
      copy->setFrame(CGRectMake(0, body[i].offset, size.width, size.height));
    bindRecordOf(pass.chart).addSublayer(pass.chart.plotArea ? pass.chart.plotArea->layer() : nullptr, copy);
    if (body[i].castsShadow) applyTemplateShadow(series, *copy);
  }
}

void drawCylinder(CylinderPass& pass, ChartSeries& series, std::size_t j, std::size_t k, ChartItem& item) {
  if (j == 0) pass.sums.addIndex();
  const CGFloat value = itemValueOf(item);
  // Raises for an index beyond series 0's items, before this item is touched.
  const CGFloat sum = pass.sums.baseFor(k, value);
  const CGFloat base = pass.stacked ? sum : 0.0;
  const CGFloat length = pass.plot.frame.valueLength(value);
  const auto rect = pass.stacked ? stackedBarRect(pass.plot, k, length, base, pass.breadth)
                                 : groupedBarRect(pass.plot, j, k, length, pass.breadth);
  if (rect) item.setFrame(*rect);

  const auto container = CAShapeLayer::layer();
  writeItemDefaults(item, ChartLayoutStylePlain, ChartVerticalLocationMiddle, ChartHorizontalLocationRight);
  const auto oval = makeTopOval(pass, series, j, k, item);
  container->addSublayer(oval);
  addTopOverlay(pass, item, oval, *container);
  addBody(pass, series, *container, value, length);
  // Last, so that the top lies over its body.
  bindRecordOf(pass.chart)
      .addSublayer(pass.chart.plotArea ? pass.chart.plotArea->layer() : nullptr, container);
  pass.sums.add(k, value, length);
}

}  // namespace

void drawChartType_cylinder(UIChart& chart, bool stacked) {
  PlotFrameOptions options = PlotFrameOptions::cylinder(stacked);
  const PlotGeometry geometry = drawPlotFrame(chart, options);
  // Without slots (series 0 has no items) no cylinder has a place.
  if (geometry.hasSlots()) {
    const BarPlot plot{geometry, chart.itemBreadth, positiveAndNegative, negativeOnly};
    const CGFloat breadth = stacked ? stackedBarBreadth(plot) : groupedBarBreadth(plot, chart.series.size());
    CylinderPass pass{chart, plot, stacked, breadth, {}, {}};
    for (std::size_t j = 0; j < chart.series.size(); ++j) {
      ChartSeries& series = elementOf(chart.series[j]);
      for (std::size_t k = 0; k < series.Items.size(); ++k)
        drawCylinder(pass, series, j, k, elementOf(series.Items[k]));
    }
    // The labels keep clear of the ovals that reach a quarter of the breadth beyond the rectangles.
    options.categoryLabelOffset = breadth / 4;
  }
  drawCategoryLabels(chart, geometry, options);
}

}  // namespace tarnavel
