#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/geometry/UIEdgeInsets.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

class UIScrollView;

/// The scroll-view callbacks; every method does nothing unless overridden.
class UIScrollViewDelegate {
 public:
  virtual ~UIScrollViewDelegate() = default;
  virtual void scrollViewDidScroll(UIScrollView&) {}
  virtual void scrollViewWillBeginDragging(UIScrollView&) {}
  /// `targetContentOffset` may be changed to move where the scroll comes to rest.
  virtual void scrollViewWillEndDragging(UIScrollView&, CGPoint /*velocity*/,
                                         CGPoint* /*targetContentOffset*/) {}
  virtual void scrollViewDidEndDragging(UIScrollView&, bool /*willDecelerate*/) {}
  virtual void scrollViewDidScrollToTop(UIScrollView&) {}
  virtual void scrollViewWillBeginDecelerating(UIScrollView&) {}
  virtual void scrollViewDidEndDecelerating(UIScrollView&) {}
  virtual void scrollViewWillBeginZooming(UIScrollView&, UIView* /*view*/) {}
  virtual void scrollViewDidEndZooming(UIScrollView&, UIView* /*view*/, CGFloat /*scale*/) {}
  virtual void scrollViewDidZoom(UIScrollView&) {}
  virtual void scrollViewDidEndScrollingAnimation(UIScrollView&) {}
  /// The view a pinch zooms; with none the scroll view does not zoom.
  virtual UIView* viewForZoomingInScrollView(UIScrollView&) { return nullptr; }
};

/// A view that shows a window of a larger content: the content offset is the origin of its bounds, and it
/// clips its subviews to its bounds. The delegate is held weakly.
class UIScrollView : public UIView {
 public:
  explicit UIScrollView(CGRect frame = CGRectZero);
  explicit UIScrollView(const NSCoder& coder);

  CGSize contentSize;
  CGPoint contentOffset() const { return bounds().origin; }
  /// Moves the visible window; tells the delegate that the view scrolled.
  void setContentOffset(CGPoint offset);
  /// Moves the visible window to `offset`, kept within the content. Animated, the move ends by telling the
  /// delegate that the scrolling animation ended; nothing is sent when the window is already there.
  void setContentOffset(CGPoint offset, bool animated);
  /// The offsets the content can be dragged to: from the top-left inset to the content's far corner.
  CGRect contentOffsetRange() const;

  // User entry points: each sends what the toolkit sends for the gesture, and does nothing while the view
  // takes no touches; a drag and a status-bar tap also need scrolling turned on. A platform exception raised
  // on the way (by a delegate, say) ends the gesture there and is kept as a swallowed exception
  // (SwallowedExceptions.h); it never reaches the caller. Offsets stay finite whatever the content size
  // and insets: an infinite one counts as the largest finite length.

  /// A drag: the finger moves by each of `fingerMoves` in turn (the content follows it, so the offset moves
  /// the other way) and lifts with `velocity` (points per millisecond, in the direction the offset moves).
  /// Sends will-begin-dragging, did-scroll per move that moves the content, will-end-dragging with the
  /// velocity and the resting offset the lift aims at (which the delegate may change), did-end-dragging
  /// with whether it decelerates, then, when it does, will-begin-decelerating, did-scroll and
  /// did-end-decelerating.
  void drag(const std::vector<CGPoint>& fingerMoves, CGPoint velocity = {0, 0});
  /// A tap on the status bar: scrolls to the top of the content and sends did-scroll and
  /// did-scroll-to-top, when `scrollsToTop` and the view is not at the top already.
  void tapStatusBar();
  /// A pinch that multiplies the zoom scale by `scale`, kept within the zoom range: sends
  /// will-begin-zooming, did-zoom and did-end-zooming with the delegate's view for zooming, whose transform
  /// takes the new scale. Without such a view the scroll view does not zoom and sends nothing.
  void pinch(CGFloat scale);

  std::shared_ptr<UIScrollViewDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) { delegate_ = delegate; }

  bool scrollEnabled = true;
  bool bounces = true;
  bool pagingEnabled = false;
  bool showsHorizontalScrollIndicator = true;
  bool showsVerticalScrollIndicator = true;
  bool scrollsToTop = true;
  // Scrolling and zooming settings, kept as given: content moves only through setContentOffset.
  bool alwaysBounceHorizontal = false;
  bool alwaysBounceVertical = false;
  bool bouncesZoom = true;
  bool canCancelContentTouches = true;
  bool delaysContentTouches = true;
  bool directionalLockEnabled = false;
  UIEdgeInsets contentInset;
  UIEdgeInsets scrollIndicatorInsets;
  CGFloat decelerationRate = 0.998;
  NSInteger indicatorStyle = 0;
  NSInteger keyboardDismissMode = 0;
  CGFloat minimumZoomScale = 1;
  CGFloat maximumZoomScale = 1;
  CGFloat zoomScale = 1;

 private:
  bool takesGestures() const { return scrollEnabled && userInteractionEnabled; }
  CGPoint restingOffset(CGPoint velocity) const;
  void zoomBy(CGFloat scale);

  std::weak_ptr<UIScrollViewDelegate> delegate_;
};

}  // namespace tarnavel
