#include <gtest/gtest.h>

#include <cmath>

#include "tarnavel/platform/CAGradientLayer.h"
#include "tarnavel/platform/RecordingContext.h"

namespace tarnavel {
namespace {

CGColorRef rgb(CGFloat r, CGFloat g, CGFloat b) {
  return UIColor::colorWithRed(r, g, b, 1)->CGColor();
}

std::vector<CGFloat> stopLocations(const CGGradient& gradient) {
  std::vector<CGFloat> out;
  for (const auto& stop : gradient.stops)
    out.push_back(stop.location);
  return out;
}

TEST(CAGradientLayer, StartsAxialFromTopCentreToBottomCentreWithoutColours) {
  const auto layer = CAGradientLayer::layer();
  EXPECT_EQ(layer->startPoint, CGPointMake(0.5, 0));
  EXPECT_EQ(layer->endPoint, CGPointMake(0.5, 1));
  EXPECT_TRUE(layer->colors.empty());
  EXPECT_FALSE(layer->locations.has_value());
  EXPECT_TRUE(layer->gradient().stops.empty());
}

TEST(CAGradientLayer, SpreadsColoursEvenlyWithoutLocations) {
  CAGradientLayer layer;
  layer.colors = {rgb(1, 0, 0), rgb(0, 1, 0), rgb(0, 0, 1), rgb(1, 1, 1), rgb(0, 0, 0)};
  EXPECT_EQ(stopLocations(layer.gradient()), (std::vector<CGFloat>{0, 0.25, 0.5, 0.75, 1}));

  layer.colors = {rgb(1, 0, 0)};
  EXPECT_EQ(stopLocations(layer.gradient()), (std::vector<CGFloat>{0}));
}

TEST(CAGradientLayer, DrawsOnlyAsManyStopsAsBothListsHold) {
  CAGradientLayer layer;
  layer.colors = {rgb(1, 0, 0), rgb(0, 1, 0), rgb(0, 0, 1)};
  layer.locations = std::vector<CGFloat>{0, 0.5, 0.5, 1};
  const CGGradient threeOfFour = layer.gradient();
  EXPECT_EQ(stopLocations(threeOfFour), (std::vector<CGFloat>{0, 0.5, 0.5}));
  EXPECT_EQ(threeOfFour.stops[2].rgba, (std::array<CGFloat, 4>{0, 0, 1, 1}));

  layer.locations = std::vector<CGFloat>{0.2, 0.9};
  EXPECT_EQ(stopLocations(layer.gradient()), (std::vector<CGFloat>{0.2, 0.9}));

  layer.locations = std::vector<CGFloat>{};
  EXPECT_TRUE(layer.gradient().stops.empty());
}

TEST(CAGradientLayer, BringsEveryColourToRgbaAndKeepsLocationsInTheUnitRange) {
  CAGradientLayer layer;
  layer.colors = {UIColor::clearColor()->CGColor(), nullptr, UIColor::colorWithWhite(0.5, 1)->CGColor()};
  layer.locations = std::vector<CGFloat>{-1, std::nan(""), 4};
  const CGGradient gradient = layer.gradient();
  EXPECT_EQ(stopLocations(gradient), (std::vector<CGFloat>{0, 0, 1}));
  EXPECT_EQ(gradient.stops[0].rgba, (std::array<CGFloat, 4>{0, 0, 0, 0}));
  EXPECT_EQ(gradient.stops[1].rgba, (std::array<CGFloat, 4>{0, 0, 0, 0}));
  EXPECT_EQ(gradient.stops[2].rgba, (std::array<CGFloat, 4>{0.5, 0.5, 0.5, 1}));
}

TEST(CAGradientLayer, DrawsAlongItsUnitPointsMappedOntoItsBounds) {
  CAGradientLayer layer;
  layer.setBounds(CGRectMake(10, 20, 100, 40));
  layer.colors = {rgb(1, 0, 0), rgb(0, 0, 1)};
  layer.startPoint = {0, 0.5};
  layer.endPoint = {1, 1};
  RecordingContext recording;
  layer.drawInContext(recording);
  const auto gradients = recording.recordsOfKind(DrawingRecord::Kind::LinearGradient);
  ASSERT_EQ(gradients.size(), 1u);
  EXPECT_EQ(gradients[0].start, CGPointMake(10, 40));
  EXPECT_EQ(gradients[0].end, CGPointMake(110, 60));
  EXPECT_EQ(gradients[0].options, kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation);
  EXPECT_EQ(stopLocations(gradients[0].gradient), (std::vector<CGFloat>{0, 1}));
  const auto clips = recording.recordsOfKind(DrawingRecord::Kind::ClipToPath);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].path.boundingBox(), CGRectMake(10, 20, 100, 40));
}

TEST(CAGradientLayer, DrawsNothingWithoutStopsOrArea) {
  CAGradientLayer layer;
  layer.setBounds(CGRectMake(0, 0, 100, 40));
  RecordingContext recording;
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty());

  layer.colors = {rgb(1, 0, 0)};
  layer.setBounds(CGRectMake(0, 0, 100, 0));
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty());
}

}  // namespace
}  // namespace tarnavel
