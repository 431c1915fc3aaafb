#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "tarnavel/platform/geometry/CGPath.h"
#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CABasicAnimation.h"
#include "tarnavel/platform/layers/CALayerValue.h"

namespace tarnavel {

class CGContext;
class UIView;
struct CALayerRareProperties;

/// A layer's actions: the animation to start for a changed key.
using CALayerActions = std::map<std::string, std::shared_ptr<CABasicAnimation>, std::less<>>;

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
  CALayer& operator=(const CALayer&) = delete;

  static std::shared_ptr<CALayer> layer() { return std::make_shared<CALayer>(); }

  // Geometry. A non-finite value raises NSException (CALayerInvalidGeometry) and changes nothing.
  CGRect bounds() const;
  void setBounds(CGRect bounds);
  CGPoint position() const { return position_; }
  void setPosition(CGPoint position);
  CGPoint anchorPoint() const;
  void setAnchorPoint(CGPoint anchorPoint);
  const CATransform3D& transform() const;
  /// Raises CALayerInvalidGeometry, leaving the transform as it was, for one with a NaN or an infinity.
  void setTransform(const CATransform3D& transform);
  CGAffineTransform affineTransform() const { return CATransform3DGetAffineTransform(transform()); }
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
  /// Masks this layer (and its sublayers) by the mask's alpha; drawn in this layer's coordinates. The mask
  /// may also be a sublayer of a layer of the same tree: it is then drawn there as its outline only, over
  /// its siblings (renderLayerTree in Renderer.h).
  std::shared_ptr<CALayer> mask;

  // The shadow, drawn under the layer when its opacity is above 0 and its colour is visible. Rarely set: it
  // lives in the block of rarely set properties below.
  const CGColorRef& shadowColor() const;  // opaque black until set
  void setShadowColor(CGColorRef color);
  CGSize shadowOffset() const;  // (0, -3) until set
  void setShadowOffset(CGSize offset);
  float shadowOpacity() const;
  void setShadowOpacity(float opacity);
  CGFloat shadowRadius() const;  // 3 until set
  void setShadowRadius(CGFloat radius);

  /// The layer's name; few layers have one, so it lives in the block of rarely set properties too.
  const std::string& name() const;
  void setName(std::string name);

  // Rarely set properties. They are stored, copied and archived with the layer; the renderer does not read
  // them. They live in a block made on the first write of a value other than the initial one, so that a
  // layer that never sets one stays small.
  const CALayerActions& actions() const;
  void setActions(CALayerActions actions);
  bool allowsEdgeAntialiasing() const;
  void setAllowsEdgeAntialiasing(bool allows);
  bool allowsGroupOpacity() const;  // true until set
  void setAllowsGroupOpacity(bool allows);
  CGFloat anchorPointZ() const;
  void setAnchorPointZ(CGFloat z);
  bool autoreverses() const;
  void setAutoreverses(bool autoreverses);
  const Value& backgroundFilters() const;
  void setBackgroundFilters(Value filters);
  double beginTime() const;
  void setBeginTime(double time);
  const Value& compositingFilter() const;
  void setCompositingFilter(Value filter);
  CGRect contentsCenter() const;  // (0, 0, 1, 1) until set
  void setContentsCenter(CGRect rect);
  const std::string& contentsGravity() const;  // "resize" until set
  void setContentsGravity(std::string gravity);
  CGRect contentsRect() const;  // (0, 0, 1, 1) until set
  void setContentsRect(CGRect rect);
  CGFloat contentsScale() const;  // 1 until set
  void setContentsScale(CGFloat scale);
  bool isDoubleSided() const;  // true until set
  void setDoubleSided(bool doubleSided);
  bool drawsAsynchronously() const;
  void setDrawsAsynchronously(bool asynchronously);
  double duration() const;
  void setDuration(double duration);
  /// Which edges are antialiased: left 1, right 2, bottom 4, top 8; all four until set.
  unsigned edgeAntialiasingMask() const;
  void setEdgeAntialiasingMask(unsigned mask);
  const std::string& fillMode() const;  // "removed" until set
  void setFillMode(std::string mode);
  const Value& filters() const;
  void setFilters(Value filters);
  bool isGeometryFlipped() const;
  void setGeometryFlipped(bool flipped);
  bool isAccessibilityElement() const;
  void setIsAccessibilityElement(bool element);
  const std::string& magnificationFilter() const;  // "linear" until set
  void setMagnificationFilter(std::string filter);
  const std::string& minificationFilter() const;  // "linear" until set
  void setMinificationFilter(std::string filter);
  float minificationFilterBias() const;
  void setMinificationFilterBias(float bias);
  bool isOpaque() const;
  void setOpaque(bool opaque);
  CGFloat rasterizationScale() const;  // 1 until set
  void setRasterizationScale(CGFloat scale);
  float repeatCount() const;
  void setRepeatCount(float count);
  double repeatDuration() const;
  void setRepeatDuration(double duration);
  const CGPathRef& shadowPath() const;
  void setShadowPath(CGPathRef path);
  bool shouldGroupAccessibilityChildren() const;
  void setShouldGroupAccessibilityChildren(bool group);
  bool shouldRasterize() const;
  void setShouldRasterize(bool rasterize);
  float speed() const;  // 1 until set
  void setSpeed(float speed);
  const Value& style() const;
  void setStyle(Value style);
  const CATransform3D& sublayerTransform() const;  // identity until set
  void setSublayerTransform(const CATransform3D& transform);
  double timeOffset() const;
  void setTimeOffset(double offset);
  CGFloat zPosition() const;
  void setZPosition(CGFloat z);
  /// Whether this layer has made its block of rarely set properties (a property above, the transform, a
  /// key value or an animation was written).
  bool hasRareProperties() const { return rare_ != nullptr; }

  // The layer tree.
  const std::vector<std::shared_ptr<CALayer>>& sublayers() const { return sublayers_; }
  CALayer* superlayer() const { return superlayer_; }
  /// Appends on top of the existing sublayers; a layer with another parent leaves it first.
  void addSublayer(std::shared_ptr<CALayer> layer);
  /// Raises NSInvalidArgumentException, changing nothing, when `layer` is an ancestor of this layer.
  void insertSublayer(std::shared_ptr<CALayer> layer, std::size_t index);
  void removeFromSuperlayer();
  /// Removes every sublayer that `layers` holds, in one pass over the sublayers (one removeFromSuperlayer
  /// each would search the list each time). The layer of a subview leaves with its view.
  void removeSublayers(const std::unordered_set<const CALayer*>& layers);
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
  CALayerValue valueForKey(std::string_view key) const;
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
  const CALayerKeyValues* presentationLayer() const;

 protected:
  /// Copies the other layer's properties, key values and animations; not its sublayers, mask, superlayer,
  /// view or what it last displayed.
  CALayer(const CALayer& other);
  /// A new layer of this layer's class made by the copying constructor. Every layer class overrides it.
  virtual std::shared_ptr<CALayer> copyProperties() const;

 private:
  friend class UIView;
  friend class LayerTreeCopier;
  void detachSublayer(const CALayer* layer);
  /// Detaches every sublayer `which` picks, in one pass.
  void detachSublayers(const std::function<bool(const CALayer&)>& which);
  const CALayerRareProperties& rare() const;
  CALayerRareProperties& rareForWrite();

  CGSize boundsSize_;  // the origin, rarely other than (0, 0), is in the block of rarely set properties
  CGPoint position_;
  std::vector<std::shared_ptr<CALayer>> sublayers_;
  CALayer* superlayer_ = nullptr;
  UIView* owningView_ = nullptr;
  bool needsDisplay_ = false;
  bool displayed_ = false;
  std::unique_ptr<CALayerRareProperties> rare_;
};

}  // namespace tarnavel
