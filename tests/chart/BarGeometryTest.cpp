#include <gtest/gtest.h>

#include "tarnavel/chart/BarGeometry.h"
#include "tarnavel/platform/NSException.h"

namespace tarnavel {
namespace {

// A plot 200 across with four categories (slot 50) and the value axis 100 long.
BarPlot plot(NSUInteger orientation = 0, CGFloat itemBreadth = 0.5) {
  BarPlot p;
  p.valueExtent = 100;
  p.slot = 50;
  p.itemBreadth = itemBreadth;
  p.orientation = orientation;
  return p;
}

// The length of `value` on an axis of `extent` points up to `maximum`.
CGFloat lengthOf(CGFloat value, CGFloat extent, CGFloat maximum = 20) {
  return extent * value / maximum;
}

CGRect standardised(const std::optional<CGRect>& rect) {
  return CGRectStandardize(rect.value());
}

TEST(BarGeometry, GroupedBarsShareTheSlotSideBySide) {
  const BarPlot p = plot();
  const CGFloat b = groupedBarBreadth(p, 2);
  EXPECT_EQ(b, 12.5);
  EXPECT_EQ(groupedBarRect(p, 0, 0, 50, b), CGRectMake(12.5, 50, 12.5, 50));
  EXPECT_EQ(groupedBarRect(p, 1, 0, 50, b), CGRectMake(25, 50, 12.5, 50));
  EXPECT_EQ(groupedBarRect(p, 1, 2, 20, b), CGRectMake(125, 80, 12.5, 20));
  EXPECT_EQ(stackedBarBreadth(p), 25);
  EXPECT_EQ(stackedBarRect(p, 0, 50, 0, 25), CGRectMake(12.5, 50, 25, 50));
  EXPECT_EQ(stackedBarRect(p, 3, 50, 0, 25), CGRectMake(162.5, 50, 25, 50));
}

TEST(BarGeometry, BreadthAtTheEndsOfItsRange) {
  const BarPlot none = plot(0, 0);
  EXPECT_EQ(groupedBarRect(none, 1, 1, 10, groupedBarBreadth(none, 2)), CGRectMake(75, 90, 0, 10));
  const BarPlot whole = plot(0, 1);
  EXPECT_EQ(groupedBarRect(whole, 1, 1, 10, groupedBarBreadth(whole, 2)), CGRectMake(75, 90, 25, 10));
  EXPECT_EQ(stackedBarRect(whole, 1, 10, 0, stackedBarBreadth(whole)), CGRectMake(50, 90, 50, 10));
}

TEST(BarGeometry, NegativeBarsHangFromTheZeroLineOnEitherAxis) {
  BarPlot both = plot();
  both.positiveAndNegative = true;
  both.valueExtent = 50;
  EXPECT_EQ(standardised(groupedBarRect(both, 0, 0, lengthOf(-10, both.valueExtent), 25)),
            CGRectMake(12.5, 50, 25, 25));
  EXPECT_EQ(standardised(groupedBarRect(both, 0, 0, lengthOf(10, both.valueExtent), 25)),
            CGRectMake(12.5, 25, 25, 25));

  BarPlot below = plot();
  below.negativeOnly = true;
  EXPECT_EQ(groupedBarRect(below, 0, 0, lengthOf(-10, below.valueExtent), 25), CGRectMake(12.5, 0, 25, 50));
  EXPECT_EQ(stackedBarRect(below, 0, lengthOf(-4, below.valueExtent), -50, 25), CGRectMake(12.5, 50, 25, 20));

  BarPlot across = plot(1);
  across.positiveAndNegative = true;
  across.valueExtent = 50;
  EXPECT_EQ(standardised(groupedBarRect(across, 0, 0, lengthOf(-10, across.valueExtent), 25)),
            CGRectMake(25, 12.5, 25, 25));
  EXPECT_EQ(groupedBarRect(across, 0, 0, lengthOf(10, across.valueExtent), 25), CGRectMake(50, 12.5, 25, 25));
  EXPECT_EQ(stackedBarRect(across, 0, lengthOf(4, across.valueExtent), 25, 25), CGRectMake(75, 12.5, 10, 25));

  const BarPlot positiveAcross = plot(1);
  EXPECT_EQ(groupedBarRect(positiveAcross, 1, 0, 40, 12.5), CGRectMake(0, 25, 40, 12.5));
}

TEST(BarGeometry, OtherOrientationsPlaceNoBar) {
  EXPECT_EQ(groupedBarRect(plot(2), 0, 0, 10, 10), std::nullopt);
  EXPECT_EQ(stackedBarRect(plot(7), 0, 10, 0, 10), std::nullopt);
}

TEST(BarGeometry, StacksRunPerSignAndIndex) {
  const BarPlot p = plot();
  BarStackSums sums;
  sums.addIndex();
  const CGFloat first = lengthOf(10, p.valueExtent);
  EXPECT_EQ(stackedBarRect(p, 0, first, sums.baseFor(0, 10), 25), CGRectMake(12.5, 50, 25, 50));
  sums.add(0, 10, first);
  const CGFloat second = lengthOf(5, p.valueExtent);
  EXPECT_EQ(stackedBarRect(p, 0, second, sums.baseFor(0, 5), 25), CGRectMake(12.5, 25, 25, 25));
  sums.add(0, 5, second);
  EXPECT_EQ(sums.baseFor(0, 1), 75);

  // Mixed signs on a split axis: the negative stack grows down from the zero line on its own.
  BarPlot both = plot();
  both.positiveAndNegative = true;
  both.valueExtent = 50;
  BarStackSums mixed;
  mixed.addIndex();
  for (CGFloat v : {10.0, -4.0, -2.0, 0.0})
    mixed.add(0, v, lengthOf(v, both.valueExtent, 10));
  EXPECT_EQ(mixed.baseFor(0, 3), 50);
  EXPECT_EQ(mixed.baseFor(0, -1), -30);
  EXPECT_EQ(standardised(stackedBarRect(both, 0, lengthOf(-2, both.valueExtent, 10), -20, 25)),
            CGRectMake(12.5, 70, 25, 10));
}

TEST(BarGeometry, StackSumsHaveOnlyTheFirstSeriesIndexesAndKeepSinglePrecision) {
  BarStackSums sums;
  sums.addIndex();
  EXPECT_THROW(sums.baseFor(1, 1), NSException);
  EXPECT_THROW(sums.add(1, -1, 5), NSException);
  sums.add(0, 1, 0.1);
  EXPECT_EQ(sums.baseFor(0, 1), static_cast<CGFloat>(0.1f));
}

}  // namespace
}  // namespace tarnavel
