#pragma once

#include <memory>

#include "tarnavel/chart/ChartStyle.h"
#include "tarnavel/platform/views/UIView.h"

namespace tarnavel {

// The defaults that the four styled boxes share, and the few in which they differ.

/// The fill defaults in which the box classes differ.
struct ChartStyleFillDefaults {
  NSUInteger layoutStyle;
  NSUInteger gradientStyle;
  NSUInteger gradientDirection;
  std::shared_ptr<UIColor> gradientColorTop;
  std::shared_ptr<UIColor> gradientColorBottomExtra;
};

/// The red that most boxes start their gradient with, and the blue they end it with.
std::shared_ptr<UIColor> defaultGradientColorTop();
std::shared_ptr<UIColor> defaultGradientColorBottomExtra();

/// First part of a styled box's defaults: no background colour, white strokes, no host text colour or font.
void setStyledBoxLeadDefaults(UIView& view, ChartStyle& style);
/// The box view's layer gets no border.
void clearStyledBoxBorder(UIView& view);
/// The colours, layout style and gradient style and direction of the style group, after the border
/// settings; the rest keeps the defaults that ChartStyle's initialisers give every box.
void setStyledBoxFillDefaults(ChartStyle& style, const ChartStyleFillDefaults& fills);

}  // namespace tarnavel
