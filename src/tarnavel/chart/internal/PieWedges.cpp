#include <memory>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartMarkers.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/ChartElements.h"
#include "tarnavel/chart/internal/LayerCopyBudget.h"
#include "tarnavel/chart/internal/LayerHelpers.h"
#include "tarnavel/chart/internal/PieDrawer.h"
#include "tarnavel/chart/internal/PieGeometry.h"
#include "tarnavel/chart/internal/PlotOverlay.h"

namespace tarnavel {

namespace {

// Squashes a 3D pie's disc to three quarters of its height.
constexpr CGFloat kPie3DSquash = 0.75;

CGFloat positiveTotal(const ChartSeries& series) {
  CGFloat total = 0;
  for (const auto& item : series.Items) {
    const CGFloat value = itemValueOf(elementOf(item));
    if (value > 0) total += value;
  }
  return total;
}

// The item's fill overlay over the whole plot area, clipped to the wedge, above the wedge, which keeps its
// fill under it.
void addWedgeOverlay(const ChartItem& item, const CAShapeLayer& wedge, CALayer& seriesLayer,
                     const UIView& plot, ChartBindRecord& record) {
  if (auto overlay = makePlotOverlay(item, plot, wedge, record)) seriesLayer.addSublayer(std::move(overlay));
}

void addWedge(UIChart& chart, ChartSeries& series, std::size_t s, std::size_t k, float startRad, float sweep,
              CALayer* seriesLayer) {
  ChartItem& item = *series.Items[k];
  auto wedge = copyShapeTemplate(series, ShapeTemplateUse::Pie);
  automaticItemColor(item, *wedge, k, series.Items.size(), s);
  const CGSize plotBounds = chart.plotArea->bounds().size;
  const ChartSeries& first = elementOf(chart.series.front());
  const CGPoint centre = resolvePieCentre(series, s, first, plotBounds);
  const CGFloat radius = resolvePieRadius(series, s, first, chart.series.size(), plotBounds);
  wedge->path = wedgePath(centre, radius, startRad, sweep);
  // The item view carries the wedge's two angles to the titles pass.
  item.setFrame(CGRectMake(0, 0, sweep, startRad));
  if (series.pie3D) wedge->setTransform(CATransform3DMakeScale(1.0, kPie3DSquash, 1.0));
  if (!seriesLayer) return;
  seriesLayer->addSublayer(wedge);
  addWedgeOverlay(item, *wedge, *seriesLayer, *chart.plotArea, bindRecordOf(chart));
}

// Series 0's wall: copies of the finished disc, half a point apart under it, the deepest casting the
// template's shadow; a flat series 0 casts the shadow from its own layer. A wall beyond the bind's allowance
// of copies keeps the copies nearest the disc, without the shadow.
void addWallOrShadow(UIChart& chart, const ChartSeries& series, const std::shared_ptr<CAShapeLayer>& disc,
                     LayerCopyBudget& budget) {
  if (!series.pie3D) {
    applyTemplateShadow(series, *disc);
    return;
  }
  const CGSize frame = chart.plotArea->frame().size;
  const std::size_t wanted = pieWallCopyCount(series.pie3DHeight);
  const std::vector<std::shared_ptr<CALayer>> copies = archivedLayerCopy(*disc, wanted, budget);
  const std::size_t count = copies.size();
  for (std::size_t i = count; i >= 1; --i) {
    const std::shared_ptr<CALayer>& copy = copies[count - i];
    copy->setFrame(CGRectMake(0, static_cast<CGFloat>(i) * 0.5, frame.width, frame.height));
    bindRecordOf(chart).addSublayer(chart.plotArea->layer(), copy);
  }
  // A height below 1 makes a wall of two copies that casts no shadow.
  if (series.pie3DHeight >= 1 && count == wanted) applyTemplateShadow(series, *copies.front());
}

}  // namespace

void drawPieWedges(UIChart& chart, std::size_t s, LayerCopyBudget& copies) {
  ChartSeries& series = elementOf(chart.series.at(s));
  const CGFloat total = positiveTotal(series);
  // Without a positive total no wedge has a share: the items get their colours and angles, nothing is drawn.
  const auto disc = total > 0 ? CAShapeLayer::layer() : nullptr;
  CGFloat start = static_cast<CGFloat>(series.pieStarts);
  for (std::size_t k = 0; k < series.Items.size(); ++k) {
    writeItemDefaults(elementOf(series.Items[k]), ChartLayoutStylePlain, ChartVerticalLocationMiddle,
                      ChartHorizontalLocationRight);
    const float startRad = pieRadians(start);
    const float sweep = wedgeSweep(itemValueOf(*series.Items[k]), total);
    addWedge(chart, series, s, k, startRad, sweep, disc.get());
    start += sweep;
  }
  if (!disc) return;
  if (s == 0) addWallOrShadow(chart, series, disc, copies);
  bindRecordOf(chart).addSublayer(chart.plotArea->layer(), disc);
}

}  // namespace tarnavel
