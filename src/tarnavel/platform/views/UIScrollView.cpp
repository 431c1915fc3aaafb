#include "tarnavel/platform/views/UIScrollView.h"

namespace tarnavel {

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

}  // namespace tarnavel
