#include <memory>

#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/internal/LayerHelpers.h"

namespace tarnavel {

namespace {

// What reading a missing template yields: zero or null in every property.
std::shared_ptr<const CAShapeLayer> makeZeroTemplate() {
  auto zero = CAShapeLayer::layer();
  zero->setAnchorPoint({0, 0});
  zero->setTransform(CATransform3D{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  zero->opacity = 0;
  zero->setShadowColor(nullptr);
  zero->setShadowOffset({0, 0});
  zero->setShadowRadius(0);
  zero->fillColor = nullptr;
  zero->lineWidth = 0;
  zero->miterLimit = 0;
  zero->strokeEnd = 0;
  zero->setAllowsGroupOpacity(false);
  zero->setContentsCenter(CGRectZero);
  zero->setContentsGravity("");
  zero->setContentsRect(CGRectZero);
  zero->setContentsScale(0);
  zero->setDoubleSided(false);
  zero->setEdgeAntialiasingMask(0);
  zero->setFillMode("");
  zero->setMagnificationFilter("");
  zero->setMinificationFilter("");
  zero->setRasterizationScale(0);
  zero->setSpeed(0);
  zero->setSublayerTransform(zero->transform());
  return zero;
}

const CAShapeLayer& templateOf(const ChartSeries& series) {
  static const std::shared_ptr<const CAShapeLayer> zero = makeZeroTemplate();
  return series.shape ? *series.shape : *zero;
}

// Every property a template passes on, in a fixed order; `affineTransform` comes before `transform`, so the
// layer ends with the template's whole transform.
void copyTemplateProperties(const CAShapeLayer& from, CAShapeLayer& to) {
  to.setActions(from.actions());
  to.setAffineTransform(from.affineTransform());
  to.setAllowsEdgeAntialiasing(from.allowsEdgeAntialiasing());
  to.setAllowsGroupOpacity(from.allowsGroupOpacity());
  to.setAnchorPoint(from.anchorPoint());
  to.setAnchorPointZ(from.anchorPointZ());
  to.setAutoreverses(from.autoreverses());
  to.backgroundColor = from.backgroundColor;
  to.setBackgroundFilters(from.backgroundFilters());
  to.setBeginTime(from.beginTime());
  to.borderColor = from.borderColor;
  to.borderWidth = from.borderWidth;
  to.setCompositingFilter(from.compositingFilter());
  to.contents = from.contents;
  to.setContentsCenter(from.contentsCenter());
  to.setContentsGravity(from.contentsGravity());
  to.setContentsRect(from.contentsRect());
  to.setContentsScale(from.contentsScale());
  to.cornerRadius = from.cornerRadius;
  to.setDoubleSided(from.isDoubleSided());
  to.setDrawsAsynchronously(from.drawsAsynchronously());
  to.setDuration(from.duration());
  to.setEdgeAntialiasingMask(from.edgeAntialiasingMask());
  to.fillColor = from.fillColor;
  to.setFillMode(from.fillMode());
  to.fillRule = from.fillRule;
  to.setFilters(from.filters());
  to.setGeometryFlipped(from.isGeometryFlipped());
  to.hidden = from.hidden;
  to.setIsAccessibilityElement(from.isAccessibilityElement());
  to.lineCap = from.lineCap;
  to.lineDashPattern = from.lineDashPattern;
  to.lineDashPhase = from.lineDashPhase;
  to.lineJoin = from.lineJoin;
  to.lineWidth = from.lineWidth;
  to.setMagnificationFilter(from.magnificationFilter());
  to.masksToBounds = from.masksToBounds;
  to.setMinificationFilter(from.minificationFilter());
  to.setMinificationFilterBias(from.minificationFilterBias());
  to.miterLimit = from.miterLimit;
  to.setName(from.name());
  to.opacity = from.opacity;
  to.setOpaque(from.isOpaque());
  to.setPosition(from.position());
  to.setRasterizationScale(from.rasterizationScale());
  to.setRepeatCount(from.repeatCount());
  to.setRepeatDuration(from.repeatDuration());
  to.setShadowColor(from.shadowColor());
  to.setShadowOffset(from.shadowOffset());
  to.setShadowOpacity(from.shadowOpacity());
  to.setShadowPath(from.shadowPath());
  to.setShadowRadius(from.shadowRadius());
  to.setShouldGroupAccessibilityChildren(from.shouldGroupAccessibilityChildren());
  to.setShouldRasterize(from.shouldRasterize());
  to.setSpeed(from.speed());
  to.strokeColor = from.strokeColor;
  to.strokeEnd = from.strokeEnd;
  to.strokeStart = from.strokeStart;
  to.setStyle(from.style());
  to.setSublayerTransform(from.sublayerTransform());
  to.setTimeOffset(from.timeOffset());
  to.setTransform(from.transform());
  to.setZPosition(from.zPosition());
}

void strokeWhereUnset(CAShapeLayer& layer, const std::shared_ptr<UIColor>& color) {
  if (!layer.strokeColor) layer.strokeColor = color->CGColor();
}

}  // namespace

std::shared_ptr<CAShapeLayer> copyShapeTemplate(const ChartSeries& series, ShapeTemplateUse use) {
  auto layer = CAShapeLayer::layer();
  copyTemplateProperties(templateOf(series), *layer);
  switch (use) {
    case ShapeTemplateUse::Pie:
    case ShapeTemplateUse::Cylinder:
      layer->setShadowColor(UIColor::clearColor()->CGColor());
      strokeWhereUnset(*layer, UIColor::grayColor());
      if (use == ShapeTemplateUse::Cylinder) layer->lineWidth = 0.2;
      break;
    case ShapeTemplateUse::Line:
      strokeWhereUnset(*layer, UIColor::whiteColor());
      break;
    case ShapeTemplateUse::Area:
      break;
  }
  return layer;
}

void applyTemplateShadow(const ChartSeries& series, CALayer& target) {
  const CAShapeLayer& shape = templateOf(series);
  target.setShadowColor(shape.shadowColor());
  target.setShadowOpacity(shape.shadowOpacity());
  target.setShadowOffset(shape.shadowOffset());
  target.setShadowRadius(shape.shadowRadius());
  target.setShadowPath(shape.shadowPath());
}

}  // namespace tarnavel
