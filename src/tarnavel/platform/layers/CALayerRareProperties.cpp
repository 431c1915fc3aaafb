#include "tarnavel/platform/internal/CALayerRareProperties.h"

namespace tarnavel {

const CALayerRareProperties& CALayer::rare() const {
  static const CALayerRareProperties initial;
  return rare_ ? *rare_ : initial;
}

CALayerRareProperties& CALayer::rareForWrite() {
  if (!rare_) rare_ = std::make_unique<CALayerRareProperties>();
  return *rare_;
}

const CALayerActions& CALayer::actions() const {
  return rare().actions;
}
void CALayer::setActions(CALayerActions value) {
  rareForWrite().actions = std::move(value);
}

bool CALayer::allowsEdgeAntialiasing() const {
  return rare().allowsEdgeAntialiasing;
}
void CALayer::setAllowsEdgeAntialiasing(bool value) {
  rareForWrite().allowsEdgeAntialiasing = value;
}

bool CALayer::allowsGroupOpacity() const {
  return rare().allowsGroupOpacity;
}
void CALayer::setAllowsGroupOpacity(bool value) {
  rareForWrite().allowsGroupOpacity = value;
}

CGFloat CALayer::anchorPointZ() const {
  return rare().anchorPointZ;
}
void CALayer::setAnchorPointZ(CGFloat value) {
  rareForWrite().anchorPointZ = value;
}

bool CALayer::autoreverses() const {
  return rare().autoreverses;
}
void CALayer::setAutoreverses(bool value) {
  rareForWrite().autoreverses = value;
}

const Value& CALayer::backgroundFilters() const {
  return rare().backgroundFilters;
}
void CALayer::setBackgroundFilters(Value value) {
  rareForWrite().backgroundFilters = std::move(value);
}

double CALayer::beginTime() const {
  return rare().beginTime;
}
void CALayer::setBeginTime(double value) {
  rareForWrite().beginTime = value;
}

const Value& CALayer::compositingFilter() const {
  return rare().compositingFilter;
}
void CALayer::setCompositingFilter(Value value) {
  rareForWrite().compositingFilter = std::move(value);
}

CGRect CALayer::contentsCenter() const {
  return rare().contentsCenter;
}
void CALayer::setContentsCenter(CGRect value) {
  rareForWrite().contentsCenter = value;
}

const std::string& CALayer::contentsGravity() const {
  return rare().contentsGravity;
}
void CALayer::setContentsGravity(std::string value) {
  rareForWrite().contentsGravity = std::move(value);
}

CGRect CALayer::contentsRect() const {
  return rare().contentsRect;
}
void CALayer::setContentsRect(CGRect value) {
  rareForWrite().contentsRect = value;
}

CGFloat CALayer::contentsScale() const {
  return rare().contentsScale;
}
void CALayer::setContentsScale(CGFloat value) {
  rareForWrite().contentsScale = value;
}

bool CALayer::isDoubleSided() const {
  return rare().doubleSided;
}
void CALayer::setDoubleSided(bool value) {
  rareForWrite().doubleSided = value;
}

bool CALayer::drawsAsynchronously() const {
  return rare().drawsAsynchronously;
}
void CALayer::setDrawsAsynchronously(bool value) {
  rareForWrite().drawsAsynchronously = value;
}

double CALayer::duration() const {
  return rare().duration;
}
void CALayer::setDuration(double value) {
  rareForWrite().duration = value;
}

unsigned CALayer::edgeAntialiasingMask() const {
  return rare().edgeAntialiasingMask;
}
void CALayer::setEdgeAntialiasingMask(unsigned value) {
  rareForWrite().edgeAntialiasingMask = value;
}

const std::string& CALayer::fillMode() const {
  return rare().fillMode;
}
void CALayer::setFillMode(std::string value) {
  rareForWrite().fillMode = std::move(value);
}

const Value& CALayer::filters() const {
  return rare().filters;
}
void CALayer::setFilters(Value value) {
  rareForWrite().filters = std::move(value);
}

bool CALayer::isGeometryFlipped() const {
  return rare().geometryFlipped;
}
void CALayer::setGeometryFlipped(bool value) {
  rareForWrite().geometryFlipped = value;
}

bool CALayer::isAccessibilityElement() const {
  return rare().accessibilityElement;
}
void CALayer::setIsAccessibilityElement(bool value) {
  rareForWrite().accessibilityElement = value;
}

const std::string& CALayer::magnificationFilter() const {
  return rare().magnificationFilter;
}
void CALayer::setMagnificationFilter(std::string value) {
  rareForWrite().magnificationFilter = std::move(value);
}

const std::string& CALayer::minificationFilter() const {
  return rare().minificationFilter;
}
void CALayer::setMinificationFilter(std::string value) {
  rareForWrite().minificationFilter = std::move(value);
}

float CALayer::minificationFilterBias() const {
  return rare().minificationFilterBias;
}
void CALayer::setMinificationFilterBias(float value) {
  rareForWrite().minificationFilterBias = value;
}

bool CALayer::isOpaque() const {
  return rare().opaque;
}
void CALayer::setOpaque(bool value) {
  rareForWrite().opaque = value;
}

CGFloat CALayer::rasterizationScale() const {
  return rare().rasterizationScale;
}
void CALayer::setRasterizationScale(CGFloat value) {
  rareForWrite().rasterizationScale = value;
}

float CALayer::repeatCount() const {
  return rare().repeatCount;
}
void CALayer::setRepeatCount(float value) {
  rareForWrite().repeatCount = value;
}

double CALayer::repeatDuration() const {
  return rare().repeatDuration;
}
void CALayer::setRepeatDuration(double value) {
  rareForWrite().repeatDuration = value;
}

const CGPathRef& CALayer::shadowPath() const {
  return rare().shadowPath;
}
void CALayer::setShadowPath(CGPathRef value) {
  rareForWrite().shadowPath = std::move(value);
}

bool CALayer::shouldGroupAccessibilityChildren() const {
  return rare().shouldGroupAccessibilityChildren;
}
void CALayer::setShouldGroupAccessibilityChildren(bool value) {
  rareForWrite().shouldGroupAccessibilityChildren = value;
}

bool CALayer::shouldRasterize() const {
  return rare().shouldRasterize;
}
void CALayer::setShouldRasterize(bool value) {
  rareForWrite().shouldRasterize = value;
}

float CALayer::speed() const {
  return rare().speed;
}
void CALayer::setSpeed(float value) {
  rareForWrite().speed = value;
}

const Value& CALayer::style() const {
  return rare().style;
}
void CALayer::setStyle(Value value) {
  rareForWrite().style = std::move(value);
}

const CATransform3D& CALayer::sublayerTransform() const {
  return rare().sublayerTransform;
}
void CALayer::setSublayerTransform(const CATransform3D& value) {
  rareForWrite().sublayerTransform = value;
}

double CALayer::timeOffset() const {
  return rare().timeOffset;
}
void CALayer::setTimeOffset(double value) {
  rareForWrite().timeOffset = value;
}

CGFloat CALayer::zPosition() const {
  return rare().zPosition;
}
void CALayer::setZPosition(CGFloat value) {
  rareForWrite().zPosition = value;
}

}  // namespace tarnavel
