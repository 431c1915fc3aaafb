#include "tarnavel/chart/internal/PlotOverlay.h"

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/chart/internal/FillOverlay.h"
#include "tarnavel/platform/layers/CALayerArchive.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

std::shared_ptr<CALayer> makePlotOverlay(const ChartStyle& style, const UIView& plotArea,
                                         const CALayer& shape, ChartBindRecord& record) {
  if (style.layoutStyle != ChartLayoutStyleGradient && style.layoutStyle != ChartLayoutStyleHatch &&
      style.layoutStyle != ChartLayoutStyleImage) {
    return nullptr;
  }
  const CGSize size = plotArea.frame().size;
  const CGRect frame = CGRectMake(0, 0, size.width, size.height);
  const CGRect bounds = plotArea.bounds();
  auto overlay = CALayer::layer();
  overlay->setFrame(frame);
  // One layer holds every piece of the overlay (an inset gradient's two layers, each hatch line), so that
  // the one mask clips them all.
  addFillOverlay(style, FillOverlayGeometry{frame, bounds, frame, bounds.size}, overlay, record);
  overlay->mask = CALayerArchive(shape).decode();
  return overlay;
}

}  // namespace tarnavel
