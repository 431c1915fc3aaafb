#include "tarnavel/platform/internal/CALayerRareProperties.h"

#include "tarnavel/platform/internal/RareProperties.h"

namespace tarnavel {

const CALayerRareProperties& CALayer::rare() const {
  return readRareProperties(rare_);
}

CALayerRareProperties& CALayer::rareForWrite() {
  return rarePropertiesForWrite(rare_);
}

const CGColorRef& CALayer::shadowColor() const {
  return rare().shadowColor;
}
void CALayer::setShadowColor(CGColorRef value) {
  writeRareProperty(rare_, &CALayerRareProperties::shadowColor, std::move(value));
}

CGSize CALayer::shadowOffset() const {
  return rare().shadowOffset;
}
void CALayer::setShadowOffset(CGSize value) {
  writeRareProperty(rare_, &CALayerRareProperties::shadowOffset, value);
}

float CALayer::shadowOpacity() const {
  return rare().shadowOpacity;
}
void CALayer::setShadowOpacity(float value) {
  writeRareProperty(rare_, &CALayerRareProperties::shadowOpacity, value);
}

CGFloat CALayer::shadowRadius() const {
  return rare().shadowRadius;
}
void CALayer::setShadowRadius(CGFloat value) {
  writeRareProperty(rare_, &CALayerRareProperties::shadowRadius, value);
}

const std::string& CALayer::name() const {
  return rare().name;
}
void CALayer::setName(std::string value) {
  writeRareProperty(rare_, &CALayerRareProperties::name, std::move(value));
}

const CALayerActions& CALayer::actions() const {
  return rare().actions;
}
void CALayer::setActions(CALayerActions value) {
  writeRareProperty(rare_, &CALayerRareProperties::actions, std::move(value));
}

bool CALayer::allowsEdgeAntialiasing() const {
  return rare().allowsEdgeAntialiasing;
}
void CALayer::setAllowsEdgeAntialiasing(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::allowsEdgeAntialiasing, value);
}

bool CALayer::allowsGroupOpacity() const {
  return rare().allowsGroupOpacity;
}
void CALayer::setAllowsGroupOpacity(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::allowsGroupOpacity, value);
}

CGFloat CALayer::anchorPointZ() const {
  return rare().anchorPointZ;
}
void CALayer::setAnchorPointZ(CGFloat value) {
  writeRareProperty(rare_, &CALayerRareProperties::anchorPointZ, value);
}

bool CALayer::autoreverses() const {
  return rare().autoreverses;
}
void CALayer::setAutoreverses(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::autoreverses, value);
}

const Value& CALayer::backgroundFilters() const {
  return rare().backgroundFilters;
}
void CALayer::setBackgroundFilters(Value value) {
  writeRareProperty(rare_, &CALayerRareProperties::backgroundFilters, std::move(value));
}

double CALayer::beginTime() const {
  return rare().beginTime;
}
void CALayer::setBeginTime(double value) {
  writeRareProperty(rare_, &CALayerRareProperties::beginTime, value);
}

const Value& CALayer::compositingFilter() const {
  return rare().compositingFilter;
}
void CALayer::setCompositingFilter(Value value) {
  writeRareProperty(rare_, &CALayerRareProperties::compositingFilter, std::move(value));
}

CGRect CALayer::contentsCenter() const {
  return rare().contentsCenter;
}
void CALayer::setContentsCenter(CGRect value) {
  writeRareProperty(rare_, &CALayerRareProperties::contentsCenter, value);
}

const std::string& CALayer::contentsGravity() const {
  return rare().contentsGravity;
}
void CALayer::setContentsGravity(std::string value) {
  writeRareProperty(rare_, &CALayerRareProperties::contentsGravity, std::move(value));
}

CGRect CALayer::contentsRect() const {
  return rare().contentsRect;
}
void CALayer::setContentsRect(CGRect value) {
  writeRareProperty(rare_, &CALayerRareProperties::contentsRect, value);
}

CGFloat CALayer::contentsScale() const {
  return rare().contentsScale;
}
void CALayer::setContentsScale(CGFloat value) {
  writeRareProperty(rare_, &CALayerRareProperties::contentsScale, value);
}

bool CALayer::isDoubleSided() const {
  return rare().doubleSided;
}
void CALayer::setDoubleSided(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::doubleSided, value);
}

bool CALayer::drawsAsynchronously() const {
  return rare().drawsAsynchronously;
}
void CALayer::setDrawsAsynchronously(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::drawsAsynchronously, value);
}

double CALayer::duration() const {
  return rare().duration;
}
void CALayer::setDuration(double value) {
  writeRareProperty(rare_, &CALayerRareProperties::duration, value);
}

unsigned CALayer::edgeAntialiasingMask() const {
  return rare().edgeAntialiasingMask;
}
void CALayer::setEdgeAntialiasingMask(unsigned value) {
  writeRareProperty(rare_, &CALayerRareProperties::edgeAntialiasingMask, value);
}

const std::string& CALayer::fillMode() const {
  return rare().fillMode;
}
void CALayer::setFillMode(std::string value) {
  writeRareProperty(rare_, &CALayerRareProperties::fillMode, std::move(value));
}

const Value& CALayer::filters() const {
  return rare().filters;
}
void CALayer::setFilters(Value value) {
  writeRareProperty(rare_, &CALayerRareProperties::filters, std::move(value));
}

bool CALayer::isGeometryFlipped() const {
  return rare().geometryFlipped;
}
void CALayer::setGeometryFlipped(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::geometryFlipped, value);
}

bool CALayer::isAccessibilityElement() const {
  return rare().accessibilityElement;
}
void CALayer::setIsAccessibilityElement(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::accessibilityElement, value);
}

const std::string& CALayer::magnificationFilter() const {
  return rare().magnificationFilter;
}
void CALayer::setMagnificationFilter(std::string value) {
  writeRareProperty(rare_, &CALayerRareProperties::magnificationFilter, std::move(value));
}

const std::string& CALayer::minificationFilter() const {
  return rare().minificationFilter;
}
void CALayer::setMinificationFilter(std::string value) {
  writeRareProperty(rare_, &CALayerRareProperties::minificationFilter, std::move(value));
}

float CALayer::minificationFilterBias() const {
  return rare().minificationFilterBias;
}
void CALayer::setMinificationFilterBias(float value) {
  writeRareProperty(rare_, &CALayerRareProperties::minificationFilterBias, value);
}

bool CALayer::isOpaque() const {
  return rare().opaque;
}
void CALayer::setOpaque(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::opaque, value);
}

CGFloat CALayer::rasterizationScale() const {
  return rare().rasterizationScale;
}
void CALayer::setRasterizationScale(CGFloat value) {
  writeRareProperty(rare_, &CALayerRareProperties::rasterizationScale, value);
}

float CALayer::repeatCount() const {
  return rare().repeatCount;
}
void CALayer::setRepeatCount(float value) {
  writeRareProperty(rare_, &CALayerRareProperties::repeatCount, value);
}

double CALayer::repeatDuration() const {
  return rare().repeatDuration;
}
void CALayer::setRepeatDuration(double value) {
  writeRareProperty(rare_, &CALayerRareProperties::repeatDuration, value);
}

const CGPathRef& CALayer::shadowPath() const {
  return rare().shadowPath;
}
void CALayer::setShadowPath(CGPathRef value) {
  writeRareProperty(rare_, &CALayerRareProperties::shadowPath, std::move(value));
}

bool CALayer::shouldGroupAccessibilityChildren() const {
  return rare().shouldGroupAccessibilityChildren;
}
void CALayer::setShouldGroupAccessibilityChildren(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::shouldGroupAccessibilityChildren, value);
}

bool CALayer::shouldRasterize() const {
  return rare().shouldRasterize;
}
void CALayer::setShouldRasterize(bool value) {
  writeRareProperty(rare_, &CALayerRareProperties::shouldRasterize, value);
}

float CALayer::speed() const {
  return rare().speed;
}
void CALayer::setSpeed(float value) {
  writeRareProperty(rare_, &CALayerRareProperties::speed, value);
}

const Value& CALayer::style() const {
  return rare().style;
}
void CALayer::setStyle(Value value) {
  writeRareProperty(rare_, &CALayerRareProperties::style, std::move(value));
}

const CATransform3D& CALayer::sublayerTransform() const {
  return rare().sublayerTransform;
}
void CALayer::setSublayerTransform(const CATransform3D& value) {
  writeRareProperty(rare_, &CALayerRareProperties::sublayerTransform, value);
}

double CALayer::timeOffset() const {
  return rare().timeOffset;
}
void CALayer::setTimeOffset(double value) {
  writeRareProperty(rare_, &CALayerRareProperties::timeOffset, value);
}

CGFloat CALayer::zPosition() const {
  return rare().zPosition;
}
void CALayer::setZPosition(CGFloat value) {
  writeRareProperty(rare_, &CALayerRareProperties::zPosition, value);
}

}  // namespace tarnavel
