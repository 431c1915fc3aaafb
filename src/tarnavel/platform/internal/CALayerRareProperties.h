#pragma once

#include <string>

#include "tarnavel/platform/layers/CALayer.h"

namespace tarnavel {

/// The layer properties that few layers set, with their initial values. A layer makes this block on the
/// first write of one of them; until then its getters read the shared initial block.
struct CALayerRareProperties {
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
