#pragma once

#include <memory>
#include <vector>

#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

/// Shows an image scaled to its bounds. It takes no touches unless `userInteractionEnabled` is turned on.
class UIImageView : public UIView {
 public:
  explicit UIImageView(CGRect frame = CGRectZero);
  explicit UIImageView(const NSCoder& coder);
  /// initWithImage: the view takes the image's size.
  explicit UIImageView(std::shared_ptr<UIImage> image);

  std::shared_ptr<UIImage> image;
  std::shared_ptr<UIImage> highlightedImage;
  bool highlighted = false;
  // Animation frames, kept as given (the renderer draws a still image).
  std::vector<std::shared_ptr<UIImage>> animationImages;
  std::vector<std::shared_ptr<UIImage>> highlightedAnimationImages;
  CGFloat animationDuration = 0;
  NSInteger animationRepeatCount = 0;

  void drawContent(CGContext& context) const override;
};

}  // namespace tarnavel
