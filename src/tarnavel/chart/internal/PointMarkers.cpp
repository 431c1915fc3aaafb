#include "tarnavel/chart/internal/PointMarkers.h"

#include <cmath>
#include <vector>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/chart/internal/FillOverlay.h"
#include "tarnavel/chart/internal/MarkerShape.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"

namespace tarnavel {

bool showsPointImage(const ChartItem& item) {
  return item.pointType == ChartPointTypeImage ||
         (item.pointType > ChartPointTypeImage && item.gradientStyle == ChartGradientStyleInset);
}

void fillPointMarker(const ChartItem& item, const std::shared_ptr<CAShapeLayer>& marker,
                     const std::shared_ptr<CALayer>& pointLayer, ChartBindRecord& record) {
  const CGFloat width = item.pointWidth;
  const CGRect box = CGRectMake(0, 0, width, width);
  switch (item.layoutStyle) {
    case ChartLayoutStyleGradient: {
      // The gradient lies over the whole marker box on the point view's layer; the marker's own shape (with
      // the default fill it keeps) confines it, and the marker draws only its stroke where it stands.
      for (const auto& layer : addFillOverlay(item, {box, box, box, box.size}, pointLayer, record))
        layer->mask = marker;
      break;
    }
    case ChartLayoutStyleHatch: {
      // The lines lie in one layer over the marker box, confined by the marker as a gradient is.
      auto lines = CALayer::layer();
      lines->setFrame(box);
      addHatchLines(item, box.size, lines, record);
      lines->mask = marker;
      record.addSublayer(pointLayer, std::move(lines));
      break;
    }
    default:
      // An image marker depends on the point type alone, so the image style too falls back to the plain fill.
      marker->fillColor = item.pointFillColor ? item.pointFillColor->CGColor() : nullptr;
      break;
  }
}

namespace {

std::shared_ptr<CAShapeLayer> makeMarkerLayer(const ChartItem& item, CGPathRef outline) {
  auto marker = CAShapeLayer::layer();
  marker->path = std::move(outline);
  marker->strokeColor = item.pointStrokeLineColor ? item.pointStrokeLineColor->CGColor() : nullptr;
  marker->lineWidth = item.pointStrokeLineWidth;
  return marker;
}

std::shared_ptr<CGImage> pointImageOf(const ChartItem& item) {
  const auto image = item.pointImageName ? UIImage::imageNamed(*item.pointImageName) : nullptr;
  return image ? image->CGImage() : nullptr;
}

}  // namespace

void drawPointMarker(UIChart& chart, ChartItem& item, CGPoint dataPoint) {
  const std::shared_ptr<UIView>& point = item.point;
  // A width that is not a number would give the marker and its view frames that are not numbers either.
  if (!point || item.pointType == ChartPointTypeNone || !std::isfinite(item.pointWidth)) return;
  ChartBindRecord& record = bindRecordOf(chart);
  if (const auto shape = markerShapeOf(item.pointType)) {
    const auto marker = makeMarkerLayer(item, markerShapePath(*shape, item.pointWidth));
    record.addSublayer(point->layer(), marker);
    fillPointMarker(item, marker, point->layer(), record);
  } else if (showsPointImage(item)) {
    record.setContents(point->layer(), pointImageOf(item));
  }
  point->setFrame(CGRectMake(0, 0, item.pointWidth, item.pointWidth));
  point->setCenter(dataPoint);
  record.addSubview(chart.plotArea, point);
}

}  // namespace tarnavel
