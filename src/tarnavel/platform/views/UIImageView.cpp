#include "tarnavel/platform/views/UIImageView.h"

#include "tarnavel/platform/render/CGContext.h"

namespace tarnavel {

UIImageView::UIImageView(CGRect frame) : UIView(frame) {
  userInteractionEnabled = false;
}

UIImageView::UIImageView(const NSCoder& coder) : UIView(coder) {
  userInteractionEnabled = coder.userInteractionEnabled.value_or(false);
}

UIImageView::UIImageView(std::shared_ptr<UIImage> shown)
    : UIImageView(CGRect{{0, 0}, shown ? shown->size() : CGSize{}}) {
  image = std::move(shown);
}

void UIImageView::drawContent(CGContext& context) const {
  const auto& shown = highlighted && highlightedImage ? highlightedImage : image;
  if (shown && shown->CGImage()) context.drawImage(*shown->CGImage(), bounds());
}

}  // namespace tarnavel
