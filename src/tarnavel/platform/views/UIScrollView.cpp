#include "tarnavel/platform/views/UIScrollView.h"

#include <algorithm>
#include <cmath>

#include "tarnavel/platform/foundation/NSException.h"

namespace tarnavel {

namespace {

CGFloat finiteOrZero(CGFloat value) {
  return std::isfinite(value) ? value : 0;
}

// A content size, inset or offset as the scroll view computes with it: saturated, and 0 for NaN, so that
// every offset it reaches stays finite however huge the settings.
CGFloat usable(CGFloat length) {
  return std::isnan(length) ? 0 : saturatedLength(length);
}

// The least and the most offset the content can be dragged to: from the top-left inset to the content's
// far corner.
struct OffsetLimits {
  CGPoint least;
  CGPoint most;
};

OffsetLimits offsetLimits(const UIScrollView& view) {
  const CGSize visible = view.bounds().size;
  const CGPoint least{-usable(view.contentInset.left), -usable(view.contentInset.top)};
  const auto farEdge = [](CGFloat content, CGFloat inset, CGFloat window) {
    return saturatedLength(saturatedLength(usable(content) + usable(inset)) - window);
  };
  return {least,
          {std::max(least.x, farEdge(view.contentSize.width, view.contentInset.right, visible.width)),
           std::max(least.y, farEdge(view.contentSize.height, view.contentInset.bottom, visible.height))}};
}

CGPoint keptWithin(CGPoint point, const OffsetLimits& limits) {
  return {std::clamp(usable(point.x), limits.least.x, limits.most.x),
          std::clamp(usable(point.y), limits.least.y, limits.most.y)};
}

}  // namespace

UIScrollView::UIScrollView(CGRect frame) : UIView(frame) {
  setClipsToBounds(true);
}

UIScrollView::UIScrollView(const NSCoder& coder) : UIView(coder) {
  setClipsToBounds(coder.clipsToBounds.value_or(true));
}

void UIScrollView::setContentOffset(CGPoint offset) {
  CGRect visible = bounds();
  if (visible.origin == offset) return;
  visible.origin = offset;
  setBounds(visible);
  if (auto listener = delegate()) listener->scrollViewDidScroll(*this);
}

void UIScrollView::setContentOffset(CGPoint offset, bool animated) {
  const CGPoint target = keptWithin(offset, offsetLimits(*this));
  if (target == contentOffset()) return;
  setContentOffset(target);
  if (!animated) return;
  if (auto listener = delegate()) listener->scrollViewDidEndScrollingAnimation(*this);
}

CGRect UIScrollView::contentOffsetRange() const {
  const auto [least, most] = offsetLimits(*this);
  return CGRectMake(least.x, least.y, saturatedLength(most.x - least.x), saturatedLength(most.y - least.y));
}

CGPoint UIScrollView::restingOffset(CGPoint velocity) const {
  // How far the content coasts, in milliseconds of the current speed, as the deceleration rate decays it.
  const CGFloat rate = std::clamp(decelerationRate, 0.0, 0.999);
  const CGFloat coast = rate / (1 - rate);
  const CGPoint offset = contentOffset();
  return keptWithin(
      {offset.x + finiteOrZero(velocity.x) * coast, offset.y + finiteOrZero(velocity.y) * coast},
      offsetLimits(*this));
}

void UIScrollView::drag(const std::vector<CGPoint>& fingerMoves, CGPoint velocity) {
  if (!takesGestures()) return;
  // Held for the whole gesture: a callback may release the scroll view's last other owner.
  const auto self = shared_from_this();
  runProtected([&] {
    if (auto listener = delegate()) listener->scrollViewWillBeginDragging(*this);
    for (const CGPoint move : fingerMoves) {
      const CGPoint offset = contentOffset();
      setContentOffset(keptWithin({offset.x - finiteOrZero(move.x), offset.y - finiteOrZero(move.y)},
                                  offsetLimits(*this)));
    }
    CGPoint target = restingOffset(velocity);
    if (auto listener = delegate()) listener->scrollViewWillEndDragging(*this, velocity, &target);
    target = keptWithin(target, offsetLimits(*this));
    const bool decelerates = target != contentOffset();
    if (auto listener = delegate()) listener->scrollViewDidEndDragging(*this, decelerates);
    if (!decelerates) return;
    if (auto listener = delegate()) listener->scrollViewWillBeginDecelerating(*this);
    setContentOffset(target);
    if (auto listener = delegate()) listener->scrollViewDidEndDecelerating(*this);
  });
}

void UIScrollView::tapStatusBar() {
  if (!takesGestures() || !scrollsToTop) return;
  const CGPoint offset = contentOffset();
  const CGPoint top{offset.x, offsetLimits(*this).least.y};
  if (offset == top) return;
  const auto self = shared_from_this();
  runProtected([&] {
    setContentOffset(top);
    if (auto listener = delegate()) listener->scrollViewDidScrollToTop(*this);
  });
}

void UIScrollView::pinch(CGFloat scale) {
  if (!userInteractionEnabled || !std::isfinite(scale) || !(scale > 0) ||
      !(minimumZoomScale < maximumZoomScale)) {
    return;
  }
  const auto self = shared_from_this();
  runProtected([&] { zoomBy(scale); });
}

void UIScrollView::zoomBy(CGFloat scale) {
  const auto listener = delegate();
  UIView* zoomed = listener ? listener->viewForZoomingInScrollView(*this) : nullptr;
  if (!zoomed) return;
  // Held while zooming: a callback may take the view out of the tree.
  const auto heldZoomed = zoomed->weak_from_this().lock();
  listener->scrollViewWillBeginZooming(*this, zoomed);
  const CGFloat current = std::isfinite(zoomScale) && zoomScale > 0 ? zoomScale : 1;
  zoomScale = saturatedLength(std::clamp(current * scale, minimumZoomScale, maximumZoomScale));
  zoomed->setTransform(CGAffineTransformMakeScale(zoomScale, zoomScale));
  contentSize = zoomed->frame().size;
  setContentOffset(keptWithin(contentOffset(), offsetLimits(*this)));
  listener->scrollViewDidZoom(*this);
  listener->scrollViewDidEndZooming(*this, zoomed, zoomScale);
}

}  // namespace tarnavel
