// Walks a layer tree and draws it through a drawing context, in the order the toolkit composites a layer:
// shadow, background, contents, the layer's own drawing, sublayers, border; opacity and masks around all of
// it.
#include <algorithm>
#include <cmath>
#include <typeinfo>
#include <unordered_set>
#include <utility>
#include <vector>

#include "tarnavel/platform/internal/RenderLimits.h"
#include "tarnavel/platform/layers/CALayer.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/CGContext.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

namespace {

// How far the shadow's colour reaches around a layer before the silhouette cuts it to shape.
constexpr CGFloat kShadowReach = 1e5;

bool isVisible(const CGColorRef& color) {
  return color && color->rgba()[3] > 0;
}

// Plain layers and plain views draw nothing of their own; skipping them saves a clip per node.
bool drawsOwnContent(const CALayer& layer) {
  if (typeid(layer) != typeid(CALayer)) return true;
  const UIView* view = layer.owningView();
  return view && typeid(*view) != typeid(UIView);
}

bool castsShadow(const CALayer& layer) {
  return layer.shadowOpacity() > 0 && isVisible(layer.shadowColor()) &&
         std::isfinite(layer.shadowOffset().width) && std::isfinite(layer.shadowOffset().height);
}

CGPath roundedPath(CGRect rect, CGFloat radius) {
  CGPath path;
  path.addRoundedRect(rect, radius);
  return path;
}

// The ring between the bounds and the bounds inset by the border width, corners following the radius.
CGPath borderPath(CGRect bounds, CGFloat width, CGFloat radius) {
  CGPath path = roundedPath(bounds, radius);
  const CGRect inner = CGRectMake(bounds.origin.x + width, bounds.origin.y + width,
                                  bounds.size.width - 2 * width, bounds.size.height - 2 * width);
  if (inner.size.width > 0 && inner.size.height > 0)
    path.addRoundedRect(inner, std::max(radius - width, 0.0));
  return path;
}

// The masks of `root` and of its sublayers at every depth the tree is drawn (not of the masks' own trees).
std::unordered_set<const CALayer*> masksUnder(const CALayer& root) {
  std::unordered_set<const CALayer*> masks;
  std::vector<std::pair<const CALayer*, int>> pending{{&root, 0}};
  while (!pending.empty()) {
    const auto [layer, depth] = pending.back();
    pending.pop_back();
    if (depth > kDeepestDrawnLayer) continue;
    if (layer->mask) masks.insert(layer->mask.get());
    for (const auto& sublayer : layer->sublayers())
      pending.emplace_back(sublayer.get(), depth + 1);
  }
  return masks;
}

class LayerTreePainter {
 public:
  LayerTreePainter(CGContext& context, const CALayer& root) : context_(context), masks_(masksUnder(root)) {}

  void drawLayer(CALayer& layer, int depth) {
    if (layer.hidden || !(layer.opacity > 0) || depth > kDeepestDrawnLayer) return;
    const bool faded = layer.opacity < 1;
    const std::shared_ptr<CALayer> mask = usableMask(layer);
    if (faded) context_.beginGroup();
    if (mask) context_.beginGroup();
    if (castsShadow(layer)) drawShadow(layer, depth);
    drawBody(layer, depth);
    if (mask) {
      context_.beginGroup();
      masksInUse_.push_back(mask.get());
      drawSublayer(*mask, depth + 1);
      masksInUse_.pop_back();
      context_.endGroupWithMask();
    }
    if (faded) context_.endGroup(layer.opacity);
  }

 private:
  // A mask is skipped while it is already being drawn as a mask, which ends any cycle of masks.
  std::shared_ptr<CALayer> usableMask(const CALayer& layer) const {
    if (!layer.mask ||
        std::find(masksInUse_.begin(), masksInUse_.end(), layer.mask.get()) != masksInUse_.end()) {
      return nullptr;
    }
    return layer.mask;
  }

  void drawSublayer(CALayer& layer, int depth) {
    context_.saveGState();
    context_.concatCTM(layer.transformToSuperlayer());
    drawLayer(layer, depth);
    context_.restoreGState();
  }

  // A mask drawn where it stands among its siblings, not as the mask it serves as (Renderer.h).
  bool drawnAsOutline(const CALayer& layer) const {
    return masks_.contains(&layer) && (masksInUse_.empty() || masksInUse_.back() != &layer);
  }

  void drawBody(CALayer& layer, int depth) {
    const CGRect bounds = layer.bounds();
    const bool outline = drawnAsOutline(layer);
    if (!outline && isVisible(layer.backgroundColor))
      context_.fillPath(roundedPath(bounds, layer.cornerRadius), layer.backgroundColor);
    if (layer.masksToBounds) {
      context_.saveGState();
      context_.clipToPath(roundedPath(bounds, layer.cornerRadius));
    }
    if (outline) {
      drawStrokeOnly(layer);
    } else {
      if (layer.contents) context_.drawImage(*layer.contents, bounds);
      if (drawsOwnContent(layer)) drawOwnContent(layer, bounds);
    }
    layer.markDisplayed();
    // By index, holding each child: a layer's drawing may change the tree it is drawn from. The outlines of
    // masks come after their siblings, over what they confine.
    std::vector<std::shared_ptr<CALayer>> outlines;
    for (std::size_t i = 0; i < layer.sublayers().size(); ++i) {
      const std::shared_ptr<CALayer> sublayer = layer.sublayers()[i];
      if (drawnAsOutline(*sublayer))
        outlines.push_back(sublayer);
      else
        drawSublayer(*sublayer, depth + 1);
    }
    for (const auto& outline : outlines)
      drawSublayer(*outline, depth + 1);
    if (layer.masksToBounds) context_.restoreGState();
    if (layer.borderWidth > 0 && std::isfinite(layer.borderWidth) && isVisible(layer.borderColor)) {
      context_.fillPath(borderPath(bounds, layer.borderWidth, layer.cornerRadius), layer.borderColor, true);
    }
  }

  // A layer draws its own content into a backing store of its bounds' size, so nothing of it shows outside;
  // a shape layer's path is drawn as it stands, wherever it reaches.
  void drawOwnContent(const CALayer& layer, CGRect bounds) {
    context_.saveGState();
    if (!layer.masksToBounds && !dynamic_cast<const CAShapeLayer*>(&layer)) {
      CGPath clip;
      clip.addRect(bounds);
      context_.clipToPath(clip);
    }
    layer.drawInContext(context_);
    context_.restoreGState();
  }

  void drawStrokeOnly(const CALayer& layer) {
    const auto* shape = dynamic_cast<const CAShapeLayer*>(&layer);
    if (!shape) return;
    context_.saveGState();
    shape->drawStroke(context_);
    context_.restoreGState();
  }

  // The shadow is the layer's whole drawing (without blur) moved by the offset, in the shadow colour.
  void drawShadow(CALayer& layer, int depth) {
    auto rgba = layer.shadowColor()->rgba();
    rgba[3] *= std::min(layer.shadowOpacity(), 1.0f);
    const CGColorRef color =
        std::make_shared<CGColor>(CGColorSpaceModel::RGB, std::vector<CGFloat>(rgba.begin(), rgba.end()));
    const CGRect bounds = layer.bounds();
    CGPath reach;
    reach.addRect(CGRectMake(bounds.origin.x - kShadowReach, bounds.origin.y - kShadowReach,
                             bounds.size.width + 2 * kShadowReach, bounds.size.height + 2 * kShadowReach));
    context_.beginGroup();
    context_.fillPath(reach, color);
    context_.beginGroup();
    context_.saveGState();
    context_.concatCTM(
        CGAffineTransformMakeTranslation(layer.shadowOffset().width, layer.shadowOffset().height));
    drawBody(layer, depth);
    context_.restoreGState();
    context_.endGroupWithMask();
  }

  CGContext& context_;
  const std::unordered_set<const CALayer*> masks_;
  std::vector<const CALayer*> masksInUse_;
};

}  // namespace

void renderLayerTree(const CALayer& layer, CGContext& context) {
  // Layers are made as mutable objects; drawing only clears the root's needs-display flag.
  LayerTreePainter(context, layer).drawLayer(const_cast<CALayer&>(layer), 0);
}

}  // namespace tarnavel
