#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CABasicAnimation.h"
#include "tarnavel/platform/layers/CALayerValue.h"

namespace tarnavel {

class CGContext;
class UIView;

/// A layer's key-value storage, or a snapshot of it: keys with their values.
class CALayerKeyValues {
 public:
  /// The value stored under `key`, or nil.
  CALayerValue valueForKey(std::string_view key) const;
  void setValueForKey(const std::string& key, CALayerValue value);

 private:
  std::map<std::string, CALayerValue, std::less<>> values_;
};

/// A layer: geometry (bounds, position, anchor point, transform; the frame derives from them), appearance,
/// and an ordered list of sublayers drawn over it. A view's layer holds the layers of its subviews among its
/// sublayers, in the order they were added, so views and plain layers share one child order.
class CALayer {
 public:
  CALayer();
  virtual ~CALayer();
  CALayer(const CALayer&) = delete;
  CALayer& operator=(const CALayer&) = delete;

  static std::shared_ptr<CALayer> layer() { return std::make_shared<CALayer>(); }

  // Geometry. A non-finite value raises NSException (CALayerInvalidGeometry) and changes nothing.
  CGRect bounds() const { return bounds_; }
  void setBounds(CGRect bounds);
  CGPoint position() const { return position_; }
  void setPosition(CGPoint position);
  CGPoint anchorPoint() const { return anchorPoint_; }
  void setAnchorPoint(CGPoint anchorPoint);
  const CATransform3D& transform() const { return transform_; }
  /// Raises CALayerInvalidGeometry, leaving the transform as it was, for one with a NaN or an infinity.
  void setTransform(const CATransform3D& transform);
  CGAffineTransform affineTransform() const { return CATransform3DGetAffineTransform(transform_); }
  void setAffineTransform(const CGAffineTransform& t) { setTransform(CATransform3DMakeAffineTransform(t)); }
  /// The box of the transformed bounds in the superlayer's coordinates.
  CGRect frame() const;
  /// Sets bounds size and position; a negative width or height is standardised first.
  void setFrame(CGRect frame);
  /// The map from this layer's coordinates into its superlayer's.
  CGAffineTransform transformToSuperlayer() const;

  // Appearance: plain stores, read when the layer is drawn.
  CGColorRef backgroundColor;
  CGColorRef borderColor;
  CGFloat borderWidth = 0;
  CGFloat cornerRadius = 0;
  float opacity = 1;
  bool hidden = false;
  bool masksToBounds = false;
  std::shared_ptr<CGImage> contents;
  CGColorRef shadowColor;
  CGSize shadowOffset{0, -3};
  float shadowOpacity = 0;
  CGFloat shadowRadius = 3;
  std::string name;
  /// Masks this layer (and its sublayers) by the mask's alpha; drawn in this layer's coordinates.
  std::shared_ptr<CALayer> mask;

  // The layer tree.
  const std::vector<std::shared_ptr<CALayer>>& sublayers() const { return sublayers_; }
  CALayer* superlayer() const { return superlayer_; }
  /// Appends on top of the existing sublayers; a layer with another parent leaves it first.
  void addSublayer(std::shared_ptr<CALayer> layer);
  /// Raises NSInvalidArgumentException, changing nothing, when `layer` is an ancestor of this layer.
  void insertSublayer(std::shared_ptr<CALayer> layer, std::size_t index);
  void removeFromSuperlayer();
  /// The view whose layer this is, or null for a plain layer.
  UIView* owningView() const { return owningView_; }

  /// Draws this layer's own content (not its background, border or sublayers) in its bounds coordinates.
  /// A plain layer asks its view to draw; subclasses draw their shape or gradient.
  virtual void drawInContext(CGContext& context) const;

  bool needsDisplay() const { return needsDisplay_; }
  void setNeedsDisplay() { needsDisplay_ = true; }
  /// The renderer calls this after drawing the layer's content: the values drawn become the presentation.
  void markDisplayed();

  // Key-value storage: where subclasses keep their dynamic properties, so that setting one can mark the
  // layer for redrawing and animate the change.
  CALayerValue valueForKey(std::string_view key) const { return keyValues_.valueForKey(key); }
  /// Stores `value` under `key`. When `needsDisplayForKey(key)`, the layer is marked for redrawing; when the
  /// layer is on screen (it has been displayed), the action for the key, if any, is added as its animation.
  void setValueForKey(const std::string& key, CALayerValue value);
  /// Whether a change of `key` needs the layer redrawn. The plain layer: no key does.
  virtual bool needsDisplayForKey(std::string_view key) const;
  /// The animation that a change of `key` starts on a layer on screen. The plain layer: none.
  virtual std::shared_ptr<CABasicAnimation> actionForKey(std::string_view key) const;
  /// Records `animation` under `key`, replacing the one recorded there before.
  void addAnimation(std::shared_ptr<CABasicAnimation> animation, const std::string& key);
  /// The animation recorded under `key`, or null.
  std::shared_ptr<CABasicAnimation> animationForKey(std::string_view key) const;
  /// The key values as last displayed, or null while the layer has never been displayed.
  const CALayerKeyValues* presentationLayer() const { return presentation_ ? &*presentation_ : nullptr; }

 private:
  friend class UIView;
  void detachSublayer(const CALayer* layer);

  CGRect bounds_;
  CGPoint position_;
  CGPoint anchorPoint_{0.5, 0.5};
  CATransform3D transform_;
  std::vector<std::shared_ptr<CALayer>> sublayers_;
  CALayer* superlayer_ = nullptr;
  UIView* owningView_ = nullptr;
  bool needsDisplay_ = false;
  CALayerKeyValues keyValues_;
  std::optional<CALayerKeyValues> presentation_;
  std::map<std::string, std::shared_ptr<CABasicAnimation>, std::less<>> animations_;
};

}  // namespace tarnavel
