#pragma once

#include <string>

#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

/// The layer properties that few layers set, with their initial values. A layer makes this block on the
/// first write of a value other than the initial one; until then its getters read the shared initial
/// block. The bounds origin, the anchor point, the transform, the shadow, the name, the key values with what
/// was last displayed of them, and the animations live here too: most layers of a view tree never set them.
struct CALayerRareProperties {
  CGPoint boundsOrigin;
  CGPoint anchorPoint{0.5, 0.5};
  CATransform3D transform;
  CGColorRef shadowColor = UIColor::blackColor()->CGColor();
  CGSize shadowOffset{0, -3};
  float shadowOpacity = 0;
  CGFloat shadowRadius = 3;
  std::string name;
  CALayerKeyValues keyValues;
  /// The key values as last displayed; meaningful once the layer has been displayed.
  CALayerKeyValues presentation;
  std::map<std::string, std::shared_ptr<CABasicAnimation>, std::less<>> animations;
  CALayerActions actions;
  bool allowsEdgeAntialiasing = false;
  bool allowsGroupOpacity = true;
  CGFloat anchorPointZ = 0;
  bool autoreverses = false;
  Value backgroundFilters;
  double beginTime = 0;
  Value compositingFilter;
  CGRect contentsCenter{{0, 0}, {1, 1}};
  std::string contentsGravity = "resize";
  CGRect contentsRect{{0, 0}, {1, 1}};
  CGFloat contentsScale = 1;
  bool doubleSided = true;
  bool drawsAsynchronously = false;
  double duration = 0;
  unsigned edgeAntialiasingMask = 15;
  std::string fillMode = "removed";
  Value filters;
  bool geometryFlipped = false;
  bool accessibilityElement = false;
  std::string magnificationFilter = "linear";
  std::string minificationFilter = "linear";
  float minificationFilterBias = 0;
  bool opaque = false;
  CGFloat rasterizationScale = 1;
  float repeatCount = 0;
  double repeatDuration = 0;
  CGPathRef shadowPath;
  bool shouldGroupAccessibilityChildren = false;
  bool shouldRasterize = false;
  float speed = 1;
  Value style;
  CATransform3D sublayerTransform;
  double timeOffset = 0;
  CGFloat zPosition = 0;
};

}  // namespace tarnavel
