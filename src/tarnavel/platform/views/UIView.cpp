#include "tarnavel/platform/views/UIView.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "tarnavel/platform/input/UIGestureRecognizer.h"
#include "tarnavel/platform/internal/ChildLists.h"
#include "tarnavel/platform/internal/RenderLimits.h"
#include "tarnavel/platform/internal/UIViewRareProperties.h"

namespace tarnavel {

UIView::UIView(CGRect frame) : layer_(std::make_shared<CALayer>()) {
  attachLayer();
  layer_->setFrame(frame);
}

UIView::UIView(const NSCoder& coder) : UIView(coder.frame.value_or(CGRectZero)) {
  if (coder.backgroundColor) setBackgroundColor(coder.backgroundColor);
  if (coder.hidden) setHidden(*coder.hidden);
  if (coder.alpha) setAlpha(*coder.alpha);
  if (coder.tag) tag = *coder.tag;
  if (coder.userInteractionEnabled) userInteractionEnabled = *coder.userInteractionEnabled;
  if (coder.clipsToBounds) setClipsToBounds(*coder.clipsToBounds);
  if (coder.accessibilityIdentifier) setAccessibilityIdentifier(coder.accessibilityIdentifier);
}

UIView::~UIView() {
  for (const auto& recognizer : recognizers_)
    recognizer->view_ = nullptr;
  layer_->owningView_ = nullptr;
  // Subviews that only this view holds are released level by level from a work list rather than by
  // recursion, so that a deep tree cannot exhaust the stack.
  std::vector<std::shared_ptr<UIView>> pending = std::move(subviews_);
  subviews_.clear();
  while (!pending.empty()) {
    std::shared_ptr<UIView> child = std::move(pending.back());
    pending.pop_back();
    child->superview_ = nullptr;
    if (child.use_count() != 1) continue;
    for (auto& grandchild : child->subviews_)
      pending.push_back(std::move(grandchild));
    child->subviews_.clear();
  }
}

void UIView::attachLayer() {
  layer_->owningView_ = this;
}

void UIView::setBackgroundColor(const std::shared_ptr<UIColor>& color) {
  // Compared first, like the label's font and colour: most calls of a bind set what is already there.
  static const CGColorRef none;
  const CGColorRef& layerColor = color ? color->CGColor() : none;
  if (backgroundColor_ != color) backgroundColor_ = color;
  if (layer_->backgroundColor != layerColor) layer_->backgroundColor = layerColor;
}

void UIView::setAlpha(CGFloat alpha) {
  layer_->opacity = std::isfinite(alpha) ? static_cast<float>(std::clamp(alpha, 0.0, 1.0)) : 1.0f;
}

void UIView::addSubview(std::shared_ptr<UIView> view) {
  // Only a view with subviews can be an ancestor of this one; the common case of adding a new leaf then
  // needs no walk up a possibly deep ancestor chain.
  if (!view || view.get() == this || (!view->subviews_.empty() && isDescendantOfView(view.get()))) return;
  view->removeFromSuperview();
  view->superview_ = this;
  layer_->addSublayer(view->layer_);
  subviews_.push_back(std::move(view));
}

void UIView::removeFromSuperview() {
  UIView* parent = superview_;
  if (!parent) return;
  const auto found = std::find_if(parent->subviews_.begin(), parent->subviews_.end(),
                                  [this](const auto& candidate) { return candidate.get() == this; });
  if (found == parent->subviews_.end()) return;
  const std::shared_ptr<UIView> keepAlive = *found;  // the parent may hold the last reference to this view
  parent->subviews_.erase(found);
  parent->layer_->detachSublayer(layer_.get());
  superview_ = nullptr;
}

void UIView::removeSubviews(const std::unordered_set<const UIView*>& views) {
  // Held until both lists are settled: this view may hold the last reference to a removed one.
  const auto removed =
      takeOutChildren(subviews_, [&views](const UIView& child) { return views.contains(&child); });
  if (removed.empty()) return;
  for (const auto& child : removed)
    child->superview_ = nullptr;
  // A view's layer is in this layer only while the view is a subview here.
  layer_->detachSublayers([&views](const CALayer& sublayer) {
    const UIView* owner = sublayer.owningView();
    return owner && !owner->superview_ && views.contains(owner);
  });
}

void UIView::removeAllSubviews() {
  std::unordered_set<const UIView*> all;
  for (const auto& child : subviews_)
    all.insert(child.get());
  removeSubviews(all);
}

bool UIView::isDescendantOfView(const UIView* view) const {
  for (const UIView* v = this; v; v = v->superview_) {
    if (v == view) return true;
  }
  return false;
}

void UIView::addGestureRecognizer(std::shared_ptr<UIGestureRecognizer> recognizer) {
  if (!recognizer) return;
  if (recognizer->view_ == this) return;
  if (UIView* previous = recognizer->view_) previous->removeGestureRecognizer(recognizer);
  recognizer->view_ = this;
  recognizers_.push_back(std::move(recognizer));
}

void UIView::removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer) {
  const auto found = std::find(recognizers_.begin(), recognizers_.end(), recognizer);
  if (found == recognizers_.end()) return;
  (*found)->view_ = nullptr;
  recognizers_.erase(found);
}

bool UIView::pointInside(CGPoint point) const {
  return CGRectContainsPoint(bounds(), point);
}

namespace {

// The inverse of `t`, or nothing when `t` has no inverse: a view scaled to nothing, or with a NaN or an
// infinity in its transform, covers no point that a tap could reach.
std::optional<CGAffineTransform> inverseOf(const CGAffineTransform& t) {
  const CGFloat det = t.a * t.d - t.b * t.c;
  const bool finite = std::isfinite(t.a) && std::isfinite(t.b) && std::isfinite(t.c) && std::isfinite(t.d) &&
                      std::isfinite(t.tx) && std::isfinite(t.ty);
  if (!finite || det == 0 || !std::isfinite(det)) return std::nullopt;
  return CGAffineTransformInvert(t);
}

}  // namespace

UIView* UIView::hitTest(CGPoint point) {
  return hitTest(point, 0);
}

UIView* UIView::hitTest(CGPoint point, int depth) {
  if (isHidden() || !userInteractionEnabled || alpha() < 0.01 || !pointInside(point)) return nullptr;
  if (depth >= kDeepestDrawnLayer) return this;  // subviews deeper down are not drawn either
  for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
    const UIView& child = **it;
    const std::optional<CGAffineTransform> toChild = inverseOf(child.layer_->transformToSuperlayer());
    if (!toChild) continue;
    if (UIView* hit = (*it)->hitTest(CGPointApplyAffineTransform(point, *toChild), depth + 1)) return hit;
  }
  return this;
}

CGAffineTransform UIView::transformToRoot() const {
  CGAffineTransform t = CGAffineTransformIdentity;
  for (const UIView* v = this; v->superview_; v = v->superview_) {
    t = CGAffineTransformConcat(t, v->layer_->transformToSuperlayer());
  }
  return t;
}

CGPoint UIView::convertPointToView(CGPoint point, const UIView* view) const {
  const CGPoint inRoot = CGPointApplyAffineTransform(point, transformToRoot());
  if (!view) return inRoot;
  return CGPointApplyAffineTransform(inRoot, CGAffineTransformInvert(view->transformToRoot()));
}

void UIView::drawContent(CGContext&) const {}

}  // namespace tarnavel
