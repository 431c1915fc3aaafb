#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "ChartTestSupport.h"
#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/Renderer.h"

namespace tarnavel {
namespace {

using testing::makeChart;

// A 320 x 480 bar chart; every character of a legend text measures 5 wide and a line 8 high (unless a test
// says otherwise), so the eight-letter entry text measures 40 x 8.
class Legends : public ::testing::Test {
 protected:
  ScopedTextMeasurer measurer{fixedTextMeasurer(5, 8)};
  std::shared_ptr<UIChart> chart = makeChart(ChartTypeBar, {{3, 5}});

  std::shared_ptr<legend> addEntry(NSUInteger bulletType = ChartLegendBulletTypeCircle) {
    auto entry = std::make_shared<legend>();
    entry->legendLabel->setText("abcdefgh");
    entry->legendBulletType = bulletType;
    chart->legends.push_back(entry);
    return entry;
  }

  std::vector<std::shared_ptr<CALayer>> bulletLayers(const legend& entry) const {
    return entry.legendBullet->layer()->sublayers();
  }

  std::size_t timesInZone(const std::shared_ptr<legend>& entry) const {
    const auto& views = chart->legendZone->subviews();
    return static_cast<std::size_t>(std::count(views.begin(), views.end(), entry));
  }
};

struct EntryCase {
  const char* name;
  CGFloat lineHeight;
  CGFloat bulletWidth;
  NSUInteger interposition;
  CGFloat fittedWidth;
  CGRect label;
  CGRect bullet;
  CGSize entry;
};

TEST_F(Legends, AnEntrySizesItsBulletLabelAndItselfFromTheText) {
  const EntryCase cases[] = {
      {"bullet half the text height", 8, -1, 0, 4, {12, 0, 40, 8}, {4, 2, 4, 4}, {54, 8}},
      {"never below 3", 4, -1, 0, 3, {8, 0, 40, 4}, {2.5, 0.5, 3, 3}, {50, 4}},
      {"wide bullet in a column", 8, 10, 0, 10, {14, 1, 40, 8}, {2, 0, 10, 10}, {56, 10}},
      {"wide bullet in a row", 8, 10, 1, 10, {14, 1, 40, 8}, {2, 0, 10, 10}, {56, 12}},
  };
  for (const EntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedTextMeasurer lineHeight{fixedTextMeasurer(5, c.lineHeight)};
    chart = makeChart(ChartTypeBar, {{3, 5}});
    chart->legendsInterpositions = c.interposition;
    const auto entry = addEntry();
    entry->legendBulletWidth = c.bulletWidth;
    chart->DataBind();
    EXPECT_EQ(entry->legendBulletWidth, c.fittedWidth);
    EXPECT_EQ(entry->legendLabel->frame(), c.label);
    EXPECT_EQ(entry->legendBullet->frame(), c.bullet);
    EXPECT_EQ(entry->frame().size, c.entry);
    EXPECT_EQ(entry->subviews(),
              (std::vector<std::shared_ptr<UIView>>{entry->legendBullet, entry->legendLabel}));
  }
}

TEST_F(Legends, ALabelWithAFrameKeepsItsSizeAndTheBulletWidthKeepsItsFirstValue) {
  const auto entry = addEntry();
  entry->legendLabel->setFrame(CGRectMake(50, 50, 30, 12));
  chart->DataBind();
  EXPECT_EQ(entry->legendBulletWidth, 6);
  EXPECT_EQ(entry->legendLabel->frame(), CGRectMake(16, 0, 30, 12));
  entry->legendLabel->setText("a much longer text");
  chart->DataBind();
  EXPECT_EQ(entry->legendBulletWidth, 6);
  EXPECT_EQ(entry->legendLabel->frame(), CGRectMake(16, 0, 30, 12));
}

TEST_F(Legends, EntriesStackInAColumnOrARowAndTheZoneWrapsThem) {
  struct LayoutCase {
    NSUInteger interposition;
    CGPoint second;
    CGRect zone;
  };
  for (const LayoutCase& c : {LayoutCase{ChartLegendsInterpositionColumn, {2, 14}, {264, 0, 56, 24}},
                              LayoutCase{ChartLegendsInterpositionRow, {60, 2}, {204, 0, 116, 10}}}) {
    SCOPED_TRACE(c.interposition);
    chart = makeChart(ChartTypeBar, {{3, 5}});
    chart->legendsInterpositions = c.interposition;
    const auto first = addEntry(), second = addEntry();
    chart->DataBind();
    EXPECT_EQ(first->frame().origin, CGPointMake(2, 2));
    EXPECT_EQ(second->frame().origin, c.second);
    EXPECT_EQ(chart->legendZone->frame(), c.zone);
    EXPECT_EQ(chart->legendZone->subviews().at(0), first);
    EXPECT_EQ(chart->legendZone->subviews().at(1), second);
    // The zone lies over the plot area.
    const auto& views = chart->subviews();
    const auto zoneAt = std::find(views.begin(), views.end(), chart->legendZone);
    const auto plotAt = std::find(views.begin(), views.end(), chart->plotArea);
    ASSERT_NE(zoneAt, views.end());
    EXPECT_GT(zoneAt, plotAt);
  }
}

TEST_F(Legends, TheZoneTakesItsPlaceByItsLocationsOnlyWhileItHasNoFrame) {
  struct PlaceCase {
    NSUInteger horizontal, vertical;
    CGPoint origin;
  };
  for (const PlaceCase& c : {PlaceCase{0, 0, {0, 0}}, PlaceCase{1, 1, {132, 228}},
                             PlaceCase{2, 2, {264, 456}}, PlaceCase{7, 7, {0, 0}}}) {
    SCOPED_TRACE(c.horizontal);
    chart = makeChart(ChartTypeBar, {{3, 5}});
    chart->legendZoneHorizontalLocation = c.horizontal;
    chart->legendZoneVerticalLocation = c.vertical;
    addEntry();
    addEntry();
    chart->DataBind();
    EXPECT_EQ(chart->legendZone->frame(), CGRectMake(c.origin.x, c.origin.y, 56, 24));
  }

  chart = makeChart(ChartTypeBar, {{3, 5}});
  chart->legendZone->setFrame(CGRectMake(10, 20, 30, 5));
  const auto first = addEntry(), second = addEntry();
  chart->DataBind();
  EXPECT_EQ(chart->legendZone->frame(), CGRectMake(10, 20, 30, 5)) << "a host frame is kept";
  EXPECT_EQ(second->frame().origin, CGPointMake(2, 14)) << "entries are placed whether they fit or not";
}

TEST_F(Legends, AnUnknownInterpositionBuildsNoEntryButStillPlacesTheZone) {
  chart->legendsInterpositions = 2;
  const auto entry = addEntry();
  chart->DataBind();
  EXPECT_EQ(timesInZone(entry), 0u);
  EXPECT_TRUE(bulletLayers(*entry).empty());
  EXPECT_EQ(chart->legendZone->frame(), CGRectMake(320, 0, 0, 0));
  EXPECT_EQ(chart->legendZone->superview(), chart.get());
}

TEST_F(Legends, EachBulletTypeDrawsItsShapeInTheBulletSquare) {
  const auto circle = addEntry(ChartLegendBulletTypeCircle);
  const auto square = addEntry(ChartLegendBulletTypeSquare);
  const auto triangle = addEntry(ChartLegendBulletTypeTriangle);
  triangle->legendBulletStrokeLineWidth = 1.5;
  chart->DataBind();

  for (const auto& entry : {circle, square, triangle}) {
    const auto layers = bulletLayers(*entry);
    ASSERT_EQ(layers.size(), 1u);
    const auto shape = std::dynamic_pointer_cast<CAShapeLayer>(layers[0]);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->fillColor->components(), entry->legendBulletFillColor->CGColor()->components());
    EXPECT_EQ(shape->strokeColor->components(), entry->legendBulletStrokeLineColor->CGColor()->components());
    EXPECT_EQ(shape->lineWidth, entry->legendBulletStrokeLineWidth);
    EXPECT_EQ(shape->path->boundingBox(), CGRectMake(0, 0, 4, 4));
  }
  // The triangle is left open: apex, right corner, left corner, no closing segment.
  const auto& corners = std::dynamic_pointer_cast<CAShapeLayer>(bulletLayers(*triangle)[0])->path->elements();
  ASSERT_EQ(corners.size(), 3u);
  EXPECT_EQ(corners[0].points[0], CGPointMake(2, 0));
  EXPECT_EQ(corners[1].points[0], CGPointMake(4, 4));
  EXPECT_EQ(corners[2].points[0], CGPointMake(0, 4));
}

TEST_F(Legends, BulletsWithoutAShapeStillTakeTheirPlace) {
  const auto none = addEntry(ChartLegendBulletTypeNone);
  const auto unknown = addEntry(5);
  chart->DataBind();
  for (const auto& entry : {none, unknown}) {
    EXPECT_TRUE(bulletLayers(*entry).empty());
    EXPECT_EQ(entry->legendBullet->layer()->contents, nullptr);
    EXPECT_EQ(entry->legendLabel->frame(), CGRectMake(12, 0, 40, 8));
    EXPECT_EQ(entry->frame().size, CGSizeMake(54, 8));
  }
}

TEST_F(Legends, AnImageBulletShowsTheNamedImage) {
  const auto image =
      std::make_shared<UIImage>(std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0}));
  UIImage::registerImage("legend-test-bullet", image);
  const auto named = addEntry(ChartLegendBulletTypeImage);
  named->legendBulletImageName = "legend-test-bullet";
  const auto missing = addEntry(ChartLegendBulletTypeImage);
  missing->legendBulletImageName = "no-such-image";
  chart->DataBind();
  EXPECT_EQ(named->legendBullet->layer()->contents, image->CGImage());
  EXPECT_TRUE(bulletLayers(*named).empty());
  EXPECT_EQ(missing->legendBullet->layer()->contents, nullptr);
  UIImage::registerImage("legend-test-bullet", nullptr);
}

TEST_F(Legends, RebindingKeepsOneBulletShapeAndOnlyTheCurrentEntries) {
  const auto kept = addEntry(), dropped = addEntry();
  const auto hostView = std::make_shared<UIView>(CGRectMake(0, 0, 3, 3));
  chart->legendZone->addSubview(hostView);
  for (int bind = 0; bind < 3; ++bind)
    chart->DataBind();
  EXPECT_EQ(bulletLayers(*kept).size(), 1u);
  EXPECT_EQ(timesInZone(kept), 1u);
  EXPECT_EQ(kept->subviews().size(), 2u);

  chart->legends = {kept};
  chart->DataBind();
  EXPECT_EQ(timesInZone(dropped), 0u) << "an entry the host removed leaves the zone";
  EXPECT_EQ(timesInZone(kept), 1u);
  EXPECT_EQ(hostView->superview(), chart->legendZone.get()) << "the host's own view stays";

  chart->legends.clear();
  chart->DataBind();
  EXPECT_EQ(timesInZone(kept), 0u);
  EXPECT_EQ(chart->legendZone->superview(), nullptr) << "no legends, no zone";
}

TEST_F(Legends, NullEntriesAndBadMarginsLeaveTheOthersInPlace) {
  const auto first = addEntry();
  chart->legends.push_back(nullptr);
  const auto odd = addEntry();
  odd->legendMargin = std::numeric_limits<CGFloat>::quiet_NaN();
  odd->legendBulletWidth = std::numeric_limits<CGFloat>::infinity();
  const auto last = addEntry();
  chart->DataBind();
  EXPECT_EQ(first->frame().origin, CGPointMake(2, 2));
  EXPECT_EQ(odd->frame(), CGRectMake(0, 12, 48, 8)) << "no margin, bullet width from the text";
  EXPECT_EQ(odd->legendBulletWidth, 4);
  EXPECT_EQ(last->frame().origin, CGPointMake(2, 22));
  EXPECT_TRUE(CGRectIsFinite(chart->legendZone->frame()));
}

TEST_F(Legends, ACircleBulletShowsItsFillColourAtItsCentreOverTheZonesFill) {
  chart->setBackgroundColor(UIColor::whiteColor());
  // The zone keeps its gradient fill, all opaque white: it must lie beneath the entries, not over them.
  const auto zone = chart->legendZone;
  for (auto* color : {&zone->gradientColorTop, &zone->gradientColorTopExtra, &zone->gradientColorBottom,
                      &zone->gradientColorBottomExtra})
    *color = UIColor::whiteColor();
  chart->legendZone->setFrame(CGRectMake(100, 100, 80, 40));
  const auto entry = addEntry();
  entry->legendBulletWidth = 20;
  entry->legendBulletFillColor = UIColor::colorWithRed(0, 0.8, 0, 1);
  chart->DataBind();
  const auto image = renderToImage(*chart);
  ASSERT_NE(image, nullptr);
  // Zone (100, 100), entry (2, 2), bullet (2, 0) of side 20: its centre is at (114, 112).
  const RGBA8 centre = image->pixelAt(114, 112);
  EXPECT_NEAR(centre.r, 0, 3);
  EXPECT_NEAR(centre.g, 204, 3);
  EXPECT_NEAR(centre.b, 0, 3);
  const RGBA8 outside = image->pixelAt(101, 101);
  EXPECT_EQ(outside, (RGBA8{255, 255, 255, 255}));
}

}  // namespace
}  // namespace tarnavel
