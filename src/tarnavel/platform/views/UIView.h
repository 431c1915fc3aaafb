#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "tarnavel/platform/foundation/NSCoder.h"
#include "tarnavel/platform/foundation/Value.h"
#include "tarnavel/platform/geometry/Geometry.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

class CGContext;
class UIGestureRecognizer;
struct UIViewRareProperties;
struct UIViewAccessibilityTexts;

/// A view: a layer, a frame in its superview, an ordered list of subviews (whose layers are sublayers of
/// this view's layer), gesture recognizers and the accessibility carriers. Views are made with
/// std::make_shared; a parent owns its subviews, a subview's link to its parent does not own.
class UIView : public std::enable_shared_from_this<UIView> {
 public:
  /// initWithFrame:
  explicit UIView(CGRect frame = CGRectZero);
  /// initWithCoder:
  explicit UIView(const NSCoder& coder);
  virtual ~UIView();
  UIView(const UIView&) = delete;
  UIView& operator=(const UIView&) = delete;

  const std::shared_ptr<CALayer>& layer() const { return layer_; }

  // Geometry, kept in the layer. A non-finite value raises NSException and changes nothing.
  CGRect frame() const { return layer_->frame(); }
  void setFrame(CGRect frame) { layer_->setFrame(frame); }
  CGRect bounds() const { return layer_->bounds(); }
  void setBounds(CGRect bounds) { layer_->setBounds(bounds); }
  CGPoint center() const { return layer_->position(); }
  void setCenter(CGPoint center) { layer_->setPosition(center); }
  CGAffineTransform transform() const { return layer_->affineTransform(); }
  void setTransform(const CGAffineTransform& t) { layer_->setAffineTransform(t); }

  // Appearance backed by the layer.
  const std::shared_ptr<UIColor>& backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(const std::shared_ptr<UIColor>& color);
  bool isHidden() const { return layer_->hidden; }
  void setHidden(bool hidden) { layer_->hidden = hidden; }
  CGFloat alpha() const { return layer_->opacity; }
  void setAlpha(CGFloat alpha);
  bool clipsToBounds() const { return layer_->masksToBounds; }
  void setClipsToBounds(bool clips) { layer_->masksToBounds = clips; }

  // Plain stores.
  bool userInteractionEnabled = true;
  bool opaque = true;
  bool exclusiveTouch = false;
  bool multipleTouchEnabled = false;
  bool autoresizesSubviews = true;
  bool clearsContextBeforeDrawing = true;
  bool translatesAutoresizingMaskIntoConstraints = true;
  bool isAccessibilityElement = false;
  bool shouldGroupAccessibilityChildren = false;
  NSInteger tag = 0;

  /// The accessibility hint and label: controls carry small texts there (a grid its cell's row and
  /// column). Plain views leave them unset and make no block for them.
  const std::optional<std::string>& accessibilityHint() const;
  void setAccessibilityHint(std::optional<std::string> hint);
  const std::optional<std::string>& accessibilityLabel() const;
  void setAccessibilityLabel(std::optional<std::string> label);

  // Rarely set stores. They live in a block made on the first write of a value other than the initial
  // one, so that a view that never sets them stays small.
  NSUInteger autoresizingMask() const;
  void setAutoresizingMask(NSUInteger mask);
  NSInteger contentMode() const;
  void setContentMode(NSInteger mode);
  CGFloat contentScaleFactor() const;  // 1 until set
  void setContentScaleFactor(CGFloat factor);
  NSInteger tintAdjustmentMode() const;
  void setTintAdjustmentMode(NSInteger mode);
  const std::shared_ptr<UIColor>& tintColor() const;
  void setTintColor(std::shared_ptr<UIColor> color);
  const std::optional<std::string>& restorationIdentifier() const;
  void setRestorationIdentifier(std::optional<std::string> identifier);
  const std::optional<std::string>& accessibilityIdentifier() const;
  void setAccessibilityIdentifier(std::optional<std::string> identifier);
  const Value& accessibilityValue() const;
  void setAccessibilityValue(Value value);
  /// The motion effects given to the view, as an array; kept as given (nothing here moves with the device).
  const Value& motionEffects() const;
  void setMotionEffects(Value effects);
  /// Whether this view has made its block of rarely set stores, or that of its accessibility texts.
  bool hasRareProperties() const { return rare_ != nullptr; }
  bool hasAccessibilityTexts() const { return accessibilityTexts_ != nullptr; }

  // The view tree.
  const std::vector<std::shared_ptr<UIView>>& subviews() const { return subviews_; }
  UIView* superview() const { return superview_; }
  /// Appends `view` on top of every child (views and layers) of this view; a view with another parent, or
  /// already a subview here, is moved.
  void addSubview(std::shared_ptr<UIView> view);
  void removeFromSuperview();
  /// Removes every subview that `views` holds, in one pass over the children (one removeFromSuperview each
  /// would search the list each time).
  void removeSubviews(const std::unordered_set<const UIView*>& views);
  /// Removes every subview (what the controls do at the start of a bind).
  void removeAllSubviews();
  bool isDescendantOfView(const UIView* view) const;

  // Gesture recognizers.
  const std::vector<std::shared_ptr<UIGestureRecognizer>>& gestureRecognizers() const { return recognizers_; }
  /// Adds a recognizer; one attached to another view moves here.
  void addGestureRecognizer(std::shared_ptr<UIGestureRecognizer> recognizer);
  void removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer);

  // Hit testing, in this view's bounds coordinates.
  bool pointInside(CGPoint point) const;
  /// The deepest visible, interactive view under `point`, or null. A view whose transform cannot be inverted
  /// (scaled to nothing, or not finite) is never hit, and taps reach no deeper than the renderer draws.
  UIView* hitTest(CGPoint point);
  /// Maps a point from this view's coordinates into those of `view` (an ancestor or descendant, or any view
  /// of the same tree); into the root's coordinates when `view` is null.
  CGPoint convertPointToView(CGPoint point, const UIView* view) const;

  /// Draws the view's own content in bounds coordinates (a label its text, a control its look). Plain
  /// views draw nothing; the background, border and subviews are drawn by the renderer.
  virtual void drawContent(CGContext& context) const;

 protected:
  /// Hit-testing of a view `depth` levels below the view where the tap began.
  virtual UIView* hitTest(CGPoint point, int depth);

 private:
  void attachLayer();
  CGAffineTransform transformToRoot() const;

  std::shared_ptr<CALayer> layer_;
  std::shared_ptr<UIColor> backgroundColor_;
  std::vector<std::shared_ptr<UIView>> subviews_;
  UIView* superview_ = nullptr;
  std::vector<std::shared_ptr<UIGestureRecognizer>> recognizers_;
  std::unique_ptr<UIViewRareProperties> rare_;
  std::unique_ptr<UIViewAccessibilityTexts> accessibilityTexts_;
};

}  // namespace tarnavel
