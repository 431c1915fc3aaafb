#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "tarnavel/chart/internal/ChartBindRecord.h"
#include "tarnavel/platform/input/UIGestureRecognizer.h"

namespace tarnavel {
namespace {

std::shared_ptr<CGImage> onePixelImage() {
  return std::make_shared<CGImage>(1, 1, std::vector<std::uint32_t>{0xff0000ff});
}

TEST(ChartBindRecord, UndoTakesAwayExactlyWhatWasAddedThroughIt) {
  auto host = std::make_shared<UIView>();
  auto hostLayer = CALayer::layer();
  host->layer()->addSublayer(hostLayer);
  const auto hostImage = onePixelImage();
  host->layer()->contents = hostImage;

  ChartBindRecord record;
  auto overlay = CALayer::layer();
  auto child = std::make_shared<UIView>();
  auto recognizer = std::make_shared<UITapGestureRecognizer>();
  record.addSublayer(host->layer(), overlay);
  record.addSubview(host, child);
  record.addGestureRecognizer(host, recognizer);
  // Contents set twice in one bind: the undo goes back past both to the host's own.
  record.setContents(host->layer(), onePixelImage());
  record.setContents(host->layer(), nullptr);
  ASSERT_EQ(host->layer()->sublayers().size(), 3u);
  ASSERT_EQ(host->gestureRecognizers().size(), 1u);
  ASSERT_EQ(host->layer()->contents, nullptr);

  record.undo();
  ASSERT_EQ(host->layer()->sublayers().size(), 1u);
  EXPECT_EQ(host->layer()->sublayers()[0], hostLayer);
  EXPECT_TRUE(host->subviews().empty());
  EXPECT_TRUE(host->gestureRecognizers().empty());
  EXPECT_EQ(host->layer()->contents, hostImage);
  EXPECT_TRUE(record.empty());
}

TEST(ChartBindRecord, WhatTheHostMovedSinceStaysWhereItIsNow) {
  auto first = std::make_shared<UIView>();
  auto second = std::make_shared<UIView>();
  auto layer = CALayer::layer();
  auto view = std::make_shared<UIView>();
  auto removedByHost = std::make_shared<UIView>();

  ChartBindRecord record;
  record.addSublayer(first->layer(), layer);
  record.addSubview(first, view);
  record.addSubview(first, removedByHost);
  second->layer()->addSublayer(layer);
  second->addSubview(view);
  removedByHost->removeFromSuperview();
  record.setContents(first->layer(), onePixelImage());
  const auto hostImage = onePixelImage();
  first->layer()->contents = hostImage;

  record.undo();
  EXPECT_EQ(layer->superlayer(), second->layer().get());
  EXPECT_EQ(view->superview(), second.get());
  EXPECT_EQ(removedByHost->superview(), nullptr);
  EXPECT_EQ(first->layer()->contents, hostImage);
}

TEST(ChartBindRecord, OutlivesWhatItRecorded) {
  ChartBindRecord record;
  {
    auto parent = std::make_shared<UIView>();
    record.addSubview(parent, std::make_shared<UIView>());
    record.addSublayer(parent->layer(), CALayer::layer());
    record.setContents(parent->layer(), onePixelImage());
  }
  EXPECT_NO_THROW(record.undo());
  EXPECT_TRUE(record.empty());
}

}  // namespace
}  // namespace tarnavel
