#pragma once

#include <memory>

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
  std::weak_ptr<UIScrollViewDelegate> delegate_;
};

}  // namespace tarnavel
