#pragma once

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

// The chart's settings are plain NSUInteger properties, so a host may store any number in them; these names
// give the values the chart tests for. Every test is for equality with one of them.

/// Which drawer a bind runs (`UIChart::chartType`); a value above 8 draws no data.
enum ChartType : NSUInteger {
  ChartTypePie = 0,
  ChartTypeBar = 1,
  ChartTypeBarStacked = 2,
  ChartTypeLine = 3,
  ChartTypeArea = 4,
  ChartTypeAreaStacked = 5,
  ChartTypeLinePointsOnly = 6,
  ChartTypeCylinder = 7,
  ChartTypeCylinderStacked = 8,
};

/// Direction of the value axis: along the plot height (vertical) or along its width (horizontal).
enum ChartOrientation : NSUInteger {
  ChartOrientationVertical = 0,
  ChartOrientationHorizontal = 1,
};

/// The kind of fill overlay a styled box gets.
enum ChartLayoutStyle : NSUInteger {
  ChartLayoutStylePlain = 0,
  ChartLayoutStyleGradient = 1,
  ChartLayoutStyleHatch = 2,
  ChartLayoutStyleImage = 3,
};

/// The kind of gradient. The gradient layer draws inset like linear and nothing for rainbow or above; the
/// fill overlay realises inset and rainbow with layers of their own.
enum ChartGradientStyle : NSUInteger {
  ChartGradientStyleLinear = 0,
  ChartGradientStyleRadial = 1,
  ChartGradientStyleCrossed = 2,
  ChartGradientStyleInset = 3,
  ChartGradientStyleRainbow = 4,
};

/// The axis of a linear gradient.
enum ChartGradientDirection : NSUInteger {
  ChartGradientDirectionDiagonal = 0,
  ChartGradientDirectionAntiDiagonal = 1,
  ChartGradientDirectionHorizontal = 2,
  ChartGradientDirectionVertical = 3,
};

enum ChartHorizontalLocation : NSUInteger {
  ChartHorizontalLocationLeft = 0,
  ChartHorizontalLocationCenter = 1,
  ChartHorizontalLocationRight = 2,
};

enum ChartVerticalLocation : NSUInteger {
  ChartVerticalLocationTop = 0,
  ChartVerticalLocationMiddle = 1,
  ChartVerticalLocationBottom = 2,
};

/// The marker shape of a line chart's points; a value above 4 draws no marker shape.
enum ChartPointType : NSUInteger {
  ChartPointTypeNone = 0,
  ChartPointTypeCircle = 1,
  ChartPointTypeSquare = 2,
  ChartPointTypeTriangle = 3,
  ChartPointTypeImage = 4,
};

/// The bullet of a legend entry; 0 and every value not listed draw no bullet.
enum ChartLegendBulletType : NSUInteger {
  ChartLegendBulletTypeNone = 0,
  ChartLegendBulletTypeCircle = 1,
  ChartLegendBulletTypeSquare = 2,
  ChartLegendBulletTypeTriangle = 3,
  ChartLegendBulletTypeImage = 4,
};

/// Legend entries in a column (top to bottom) or a row (left to right); any other value lays out none.
enum ChartLegendsInterposition : NSUInteger {
  ChartLegendsInterpositionColumn = 0,
  ChartLegendsInterpositionRow = 1,
};

}  // namespace tarnavel
