// The scroll view's callbacks reach the delegate unchanged, the grid first. The grid offers no view for
// zooming, so its scroll view never zooms by itself.
#include "tarnavel/grid/internal/DelegateCalls.h"

namespace tarnavel {

void UIDataGrid::scrollViewDidScroll(UIScrollView& scrollView) {
  tellDelegate(*this,
               [&](DataGridDelegate& delegate) { delegate.datagridScrollViewDidScroll(*this, scrollView); });
}

void UIDataGrid::scrollViewWillBeginDragging(UIScrollView& scrollView) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewWillBeginDragging(*this, scrollView);
  });
}

void UIDataGrid::scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                           CGPoint* targetContentOffset) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewWillEndDragging(*this, scrollView, velocity, targetContentOffset);
  });
}

void UIDataGrid::scrollViewDidEndDragging(UIScrollView& scrollView, bool willDecelerate) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewDidEndDragging(*this, scrollView, willDecelerate);
  });
}

void UIDataGrid::scrollViewDidScrollToTop(UIScrollView& scrollView) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewDidScrollToTop(*this, scrollView);
  });
}

void UIDataGrid::scrollViewWillBeginDecelerating(UIScrollView& scrollView) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewWillBeginDecelerating(*this, scrollView);
  });
}

void UIDataGrid::scrollViewDidEndDecelerating(UIScrollView& scrollView) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewDidEndDecelerating(*this, scrollView);
  });
}

void UIDataGrid::scrollViewWillBeginZooming(UIScrollView& scrollView, UIView* view) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewWillBeginZooming(*this, scrollView, view);
  });
}

void UIDataGrid::scrollViewDidEndZooming(UIScrollView& scrollView, UIView* view, CGFloat scale) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewDidEndZooming(*this, scrollView, view, scale);
  });
}

void UIDataGrid::scrollViewDidZoom(UIScrollView& scrollView) {
  tellDelegate(*this,
               [&](DataGridDelegate& delegate) { delegate.datagridScrollViewDidZoom(*this, scrollView); });
}

void UIDataGrid::scrollViewDidEndScrollingAnimation(UIScrollView& scrollView) {
  tellDelegate(*this, [&](DataGridDelegate& delegate) {
    delegate.datagridScrollViewDidEndScrollingAnimation(*this, scrollView);
  });
}

}  // namespace tarnavel
