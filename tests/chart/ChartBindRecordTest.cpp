#include <gtest/gtest.h>

#include <memory>

#include "tarnavel/chart/ChartBindRecord.h"
#include "tarnavel/platform/UIGestureRecognizer.h"

namespace tarnavel {
namespace {

TEST(ChartBindRecord, UndoTakesAwayExactlyWhatWasAddedThroughIt) {
  auto host = std::make_shared<UIView>();
  auto hostLayer = CALayer::layer();
  host->layer()->addSublayer(hostLayer);

  ChartBindRecord record;
  auto overlay = CALayer::layer();
  auto child = std::make_shared<UIView>();
  auto recognizer = std::make_shared<UITapGestureRecognizer>();
  record.addSublayer(host->layer(), overlay);
  record.addSubview(host, child);
  record.addGestureRecognizer(host, recognizer);
  ASSERT_EQ(host->layer()->sublayers().size(), 3u);
  ASSERT_EQ(host->gestureRecognizers().size(), 1u);

  record.undo();
  ASSERT_EQ(host->layer()->sublayers().size(), 1u);
  EXPECT_EQ(host->layer()->sublayers()[0], hostLayer);
  EXPECT_TRUE(host->subviews().empty());
  EXPECT_TRUE(host->gestureRecognizers().empty());
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

  record.undo();
  EXPECT_EQ(layer->superlayer(), second->layer().get());
  EXPECT_EQ(view->superview(), second.get());
  EXPECT_EQ(removedByHost->superview(), nullptr);
}

TEST(ChartBindRecord, OutlivesWhatItRecorded) {
  ChartBindRecord record;
  {
    auto parent = std::make_shared<UIView>();
    record.addSubview(parent, std::make_shared<UIView>());
    record.addSublayer(parent->layer(), CALayer::layer());
  }
  EXPECT_NO_THROW(record.undo());
  EXPECT_TRUE(record.empty());
}

}  // namespace
}  // namespace tarnavel
