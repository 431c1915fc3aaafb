#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/render/RecordingContext.h"

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

TEST(CAGradientLayer, StopsSpreadEvenlyOrFollowTheLocationsAsFarAsBothListsGo) {
  struct Case {
    std::size_t colours;
    std::optional<std::vector<CGFloat>> locations;
    std::vector<CGFloat> stops;
  };
  const Case cases[] = {
      {5, std::nullopt, {0, 0.25, 0.5, 0.75, 1}},
      {1, std::nullopt, {0}},
      {3, std::vector<CGFloat>{0, 0.5, 0.5, 1}, {0, 0.5, 0.5}},
      {3, std::vector<CGFloat>{0.2, 0.9}, {0.2, 0.9}},
      {3, std::vector<CGFloat>{}, {}},
      {3, std::vector<CGFloat>{-1, std::nan(""), 4}, {0, 0, 1}},
      {0, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    CAGradientLayer layer;
    layer.colors.assign(c.colours, rgb(0, 0, 1));
    layer.locations = c.locations;
    EXPECT_EQ(stopLocations(layer.gradient()), c.stops) << c.colours << " colours";
  }
}

TEST(CAGradientLayer, DrawsAlongItsUnitPointsMappedOntoItsBounds) {
  CAGradientLayer layer;
  EXPECT_EQ(layer.startPoint, CGPointMake(0.5, 0));
  EXPECT_EQ(layer.endPoint, CGPointMake(0.5, 1));
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
  const auto clips = recording.recordsOfKind(DrawingRecord::Kind::ClipToPath);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0].path.boundingBox(), CGRectMake(10, 20, 100, 40));

  recording.clear();
  layer.setBounds(CGRectMake(0, 0, 100, 0));
  layer.drawInContext(recording);
  EXPECT_TRUE(recording.records().empty()) << "no area, nothing drawn";
}

}  // namespace
}  // namespace tarnavel
