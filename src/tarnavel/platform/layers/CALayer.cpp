#include "tarnavel/platform/layers/CALayer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/internal/CALayerRareProperties.h"
#include "tarnavel/platform/internal/ChildLists.h"
#include "tarnavel/platform/internal/RareProperties.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

namespace {

bool isFinite(CGPoint p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

void refuseNonFinite(bool finite, const char* what, CGPoint p, CGSize s = {}) {
  if (finite) return;
  raiseException(CALayerInvalidGeometry, std::string("CALayer ") + what + " contains NaN or infinity: [" +
                                             formatFixed(p.x, 2) + " " + formatFixed(p.y, 2) + "; " +
                                             formatFixed(s.width, 2) + " " + formatFixed(s.height, 2) + "]");
}

}  // namespace

CALayer::CALayer() = default;

CALayer::CALayer(const CALayer& other)
    : backgroundColor(other.backgroundColor),
      borderColor(other.borderColor),
      borderWidth(other.borderWidth),
      cornerRadius(other.cornerRadius),
      opacity(other.opacity),
      hidden(other.hidden),
      masksToBounds(other.masksToBounds),
      contents(other.contents),
      boundsSize_(other.boundsSize_),
      position_(other.position_),
      needsDisplay_(other.needsDisplay_),
      rare_(other.rare_ ? std::make_unique<CALayerRareProperties>(*other.rare_) : nullptr) {
  if (rare_) rare_->presentation = {};  // a copy has not been displayed
}

std::shared_ptr<CALayer> CALayer::copyProperties() const {
  return std::shared_ptr<CALayer>(new CALayer(*this));
}

CALayer::~CALayer() {
  // Sublayers that only this layer holds are released level by level from a work list rather than by
  // recursion, so that a deep tree cannot exhaust the stack.
  std::vector<std::shared_ptr<CALayer>> pending = std::move(sublayers_);
  sublayers_.clear();
  while (!pending.empty()) {
    std::shared_ptr<CALayer> sublayer = std::move(pending.back());
    pending.pop_back();
    sublayer->superlayer_ = nullptr;
    if (sublayer.use_count() != 1) continue;
    for (auto& inner : sublayer->sublayers_)
      pending.push_back(std::move(inner));
    sublayer->sublayers_.clear();
  }
}

void CALayer::setBounds(CGRect bounds) {
  refuseNonFinite(CGRectIsFinite(bounds), "bounds", bounds.origin, bounds.size);
  writeRareProperty(rare_, &CALayerRareProperties::boundsOrigin, bounds.origin);
  boundsSize_ = bounds.size;
}

void CALayer::setPosition(CGPoint position) {
  refuseNonFinite(isFinite(position), "position", position);
  position_ = position;
}

void CALayer::setAnchorPoint(CGPoint anchorPoint) {
  refuseNonFinite(isFinite(anchorPoint), "anchorPoint", anchorPoint);
  writeRareProperty(rare_, &CALayerRareProperties::anchorPoint, anchorPoint);
}

const CATransform3D& CALayer::transform() const {
  return rare().transform;
}

void CALayer::setTransform(const CATransform3D& t) {
  const CGFloat entries[] = {t.m11, t.m12, t.m13, t.m14, t.m21, t.m22, t.m23, t.m24,
                             t.m31, t.m32, t.m33, t.m34, t.m41, t.m42, t.m43, t.m44};
  if (!std::all_of(std::begin(entries), std::end(entries), [](CGFloat m) { return std::isfinite(m); })) {
    raiseException(CALayerInvalidGeometry, "CALayer transform contains NaN or infinity");
  }
  writeRareProperty(rare_, &CALayerRareProperties::transform, t);
}

CGRect CALayer::bounds() const {
  return {rare().boundsOrigin, boundsSize_};
}

CGPoint CALayer::anchorPoint() const {
  return rare().anchorPoint;
}

CGAffineTransform CALayer::transformToSuperlayer() const {
  const CGPoint anchor = anchorPoint();
  const CGRect bounds = this->bounds();
  // Bounds coordinates -> anchor at the origin -> transform -> position in the superlayer.
  const CGAffineTransform toAnchor = CGAffineTransformMakeTranslation(
      -bounds.origin.x - anchor.x * bounds.size.width, -bounds.origin.y - anchor.y * bounds.size.height);
  const CGAffineTransform moved = CGAffineTransformConcat(toAnchor, affineTransform());
  return CGAffineTransformConcat(moved, CGAffineTransformMakeTranslation(position_.x, position_.y));
}

CGRect CALayer::frame() const {
  const CGPoint anchor = anchorPoint();
  if (!rare_ || CATransform3DIsIdentity(rare_->transform)) {
    // Without a transform the frame is exact: the size is the bounds' size, not a difference of corners.
    const CGSize size = CGRectStandardize(bounds()).size;
    return {{saturatedLength(position_.x - anchor.x * size.width),
             saturatedLength(position_.y - anchor.y * size.height)},
            size};
  }
  return CGRectApplyAffineTransform(bounds(), transformToSuperlayer());
}

void CALayer::setFrame(CGRect frame) {
  frame = CGRectStandardize(frame);
  refuseNonFinite(CGRectIsFinite(frame), "frame", frame.origin, frame.size);
  const CGPoint anchor = anchorPoint();
  boundsSize_ = frame.size;
  // A frame of huge but finite lengths keeps a finite position: the largest one, where the sum overflows.
  position_ = {saturatedLength(frame.origin.x + anchor.x * frame.size.width),
               saturatedLength(frame.origin.y + anchor.y * frame.size.height)};
}

void CALayer::addSublayer(std::shared_ptr<CALayer> layer) {
  insertSublayer(std::move(layer), sublayers_.size());
}

void CALayer::insertSublayer(std::shared_ptr<CALayer> layer, std::size_t index) {
  if (!layer || layer.get() == this) return;
  // Only a layer with sublayers can be an ancestor of this one, so a new leaf needs no walk up the tree.
  if (!layer->sublayers_.empty()) {
    for (const CALayer* ancestor = superlayer_; ancestor; ancestor = ancestor->superlayer_) {
      if (ancestor == layer.get()) {
        raiseException(NSInvalidArgumentException,
                       "CALayer cannot become a sublayer of its own descendant: that would make a cycle");
      }
    }
  }
  if (layer->superlayer_) layer->superlayer_->detachSublayer(layer.get());
  index = std::min(index, sublayers_.size());
  layer->superlayer_ = this;
  sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(index), std::move(layer));
}

void CALayer::detachSublayer(const CALayer* layer) {
  const auto found = std::find_if(sublayers_.begin(), sublayers_.end(),
                                  [layer](const auto& candidate) { return candidate.get() == layer; });
  if (found == sublayers_.end()) return;
  const std::shared_ptr<CALayer> keepAlive = *found;  // the caller may hold the last reference elsewhere
  keepAlive->superlayer_ = nullptr;
  sublayers_.erase(found);
}

void CALayer::detachSublayers(const std::function<bool(const CALayer&)>& which) {
  // Held until the list is settled: this layer may hold the last reference to a removed one.
  const auto removed = takeOutChildren(sublayers_, which);
  for (const auto& sublayer : removed)
    sublayer->superlayer_ = nullptr;
}

void CALayer::removeSublayers(const std::unordered_set<const CALayer*>& layers) {
  std::unordered_set<const UIView*> views;
  if (owningView_) {
    for (const auto& sublayer : sublayers_) {
      const UIView* view = sublayer->owningView_;
      if (view && view->superview() == owningView_ && layers.contains(sublayer.get())) views.insert(view);
    }
  }
  if (!views.empty()) owningView_->removeSubviews(views);
  detachSublayers([&layers](const CALayer& sublayer) { return layers.contains(&sublayer); });
}

void CALayer::removeFromSuperlayer() {
  if (owningView_ && owningView_->superview()) {
    owningView_->removeFromSuperview();
    return;
  }
  if (superlayer_) superlayer_->detachSublayer(this);
}

CALayerValue CALayerKeyValues::valueForKey(std::string_view key) const {
  const auto found = values_.find(key);
  return found == values_.end() ? CALayerValue{} : found->second;
}

void CALayerKeyValues::setValueForKey(const std::string& key, CALayerValue value) {
  values_.insert_or_assign(key, std::move(value));
}

CALayerValue CALayer::valueForKey(std::string_view key) const {
  return rare().keyValues.valueForKey(key);
}

void CALayer::markDisplayed() {
  needsDisplay_ = false;
  displayed_ = true;
  if (rare_) rare_->presentation = rare_->keyValues;
}

const CALayerKeyValues* CALayer::presentationLayer() const {
  return displayed_ ? &rare().presentation : nullptr;
}

void CALayer::setValueForKey(const std::string& key, CALayerValue value) {
  rareForWrite().keyValues.setValueForKey(key, std::move(value));
  if (needsDisplayForKey(key)) setNeedsDisplay();
  if (!displayed_) return;
  if (auto action = actionForKey(key)) addAnimation(std::move(action), key);
}

bool CALayer::needsDisplayForKey(std::string_view) const {
  return false;
}

std::shared_ptr<CABasicAnimation> CALayer::actionForKey(std::string_view) const {
  return nullptr;
}

void CALayer::addAnimation(std::shared_ptr<CABasicAnimation> animation, const std::string& key) {
  if (!animation) return;
  rareForWrite().animations.insert_or_assign(key, std::move(animation));
}

std::shared_ptr<CABasicAnimation> CALayer::animationForKey(std::string_view key) const {
  const auto& animations = rare().animations;
  const auto found = animations.find(key);
  return found == animations.end() ? nullptr : found->second;
}

void CALayer::drawInContext(CGContext& context) const {
  if (owningView_) owningView_->drawContent(context);
}

}  // namespace tarnavel
