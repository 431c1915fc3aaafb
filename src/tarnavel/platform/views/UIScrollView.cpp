#include "tarnavel/platform/views/UIScrollView.h"

#include <algorithm>
#include <cmath>

namespace tarnavel {

namespace {

CGFloat finiteOrZero(CGFloat value) {
  return std::isfinite(value) ? value : 0;
}

CGPoint keptWithin(CGPoint point, CGRect range) {
  return {std::clamp(point.x, range.origin.x, range.origin.x + range.size.width),
          std::clamp(point.y, range.origin.y, range.origin.y + range.size.height)};
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
  const CGPoint target = keptWithin(offset, contentOffsetRange());
  if (target == contentOffset()) return;
  setContentOffset(target);
  if (!animated) return;
  if (auto listener = delegate()) listener->scrollViewDidEndScrollingAnimation(*this);
}

CGRect UIScrollView::contentOffsetRange() const {
  const CGSize visible = bounds().size;
  const CGFloat left = -contentInset.left;
  const CGFloat top = -contentInset.top;
  const CGFloat right = contentSize.width + contentInset.right - visible.width;
  const CGFloat bottom = contentSize.height + contentInset.bottom - visible.height;
  return CGRectMake(left, top, std::max(right - left, 0.0), std::max(bottom - top, 0.0));
}

CGPoint UIScrollView::restingOffset(CGPoint velocity) const {
  // How far the content coasts, in milliseconds of the current speed, as the deceleration rate decays it.
  const CGFloat rate = std::clamp(decelerationRate, 0.0, 0.999);
  const CGFloat coast = rate / (1 - rate);
  const CGPoint offset = contentOffset();
  return keptWithin(
      {offset.x + finiteOrZero(velocity.x) * coast, offset.y + finiteOrZero(velocity.y) * coast},
      contentOffsetRange());
}

void UIScrollView::drag(const std::vector<CGPoint>& fingerMoves, CGPoint velocity) {
  if (!takesGestures()) return;
  // Held for the whole gesture: a callback may release the scroll view's last other owner.
  const auto self = shared_from_this();
  if (auto listener = delegate()) listener->scrollViewWillBeginDragging(*this);
  for (const CGPoint move : fingerMoves) {
    const CGPoint offset = contentOffset();
    setContentOffset(
        keptWithin({offset.x - finiteOrZero(move.x), offset.y - finiteOrZero(move.y)}, contentOffsetRange()));
  }
  CGPoint target = restingOffset(velocity);
  if (auto listener = delegate()) listener->scrollViewWillEndDragging(*this, velocity, &target);
  target = keptWithin(target, contentOffsetRange());
  const bool decelerates = target != contentOffset();
  if (auto listener = delegate()) listener->scrollViewDidEndDragging(*this, decelerates);
  if (!decelerates) return;
  if (auto listener = delegate()) listener->scrollViewWillBeginDecelerating(*this);
  setContentOffset(target);
  if (auto listener = delegate()) listener->scrollViewDidEndDecelerating(*this);
}

void UIScrollView::tapStatusBar() {
  if (!takesGestures() || !scrollsToTop) return;
  const CGPoint offset = contentOffset();
  const CGPoint top{offset.x, contentOffsetRange().origin.y};
  if (offset == top) return;
  const auto self = shared_from_this();
  setContentOffset(top);
  if (auto listener = delegate()) listener->scrollViewDidScrollToTop(*this);
}

void UIScrollView::pinch(CGFloat scale) {
  if (!userInteractionEnabled || !std::isfinite(scale) || !(scale > 0) ||
      !(minimumZoomScale < maximumZoomScale)) {
    return;
  }
  const auto self = shared_from_this();
  const auto listener = delegate();
  UIView* zoomed = listener ? listener->viewForZoomingInScrollView(*this) : nullptr;
  if (!zoomed) return;
  // Held while zooming: a callback may take the view out of the tree.
  const auto heldZoomed = zoomed->weak_from_this().lock();
  listener->scrollViewWillBeginZooming(*this, zoomed);
  const CGFloat current = std::isfinite(zoomScale) && zoomScale > 0 ? zoomScale : 1;
  zoomScale = std::clamp(current * scale, minimumZoomScale, maximumZoomScale);
  zoomed->setTransform(CGAffineTransformMakeScale(zoomScale, zoomScale));
  contentSize = zoomed->frame().size;
  setContentOffset(keptWithin(contentOffset(), contentOffsetRange()));
  listener->scrollViewDidZoom(*this);
  listener->scrollViewDidEndZooming(*this, zoomed, zoomScale);
}

}  // namespace tarnavel
