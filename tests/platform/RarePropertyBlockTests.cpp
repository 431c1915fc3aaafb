// Views, labels and layers keep the properties that few of them set in blocks made on the first write of a
// value other than the initial one, so that the many plain views of a grid stay small.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

struct BlockCase {
  std::string what;
  std::function<void(UILabel&)> writeInitial;
  std::function<void(UILabel&)> writeOther;
  std::function<bool(const UILabel&)> hasBlock;
  std::function<bool(const UILabel&)> readsOther;
};

bool layerBlock(const UILabel& label) {
  return label.layer()->hasRareProperties();
}
bool viewBlock(const UILabel& label) {
  return label.hasRareProperties();
}
bool labelBlock(const UILabel& label) {
  return label.hasRareLabelProperties();
}
bool textsBlock(const UILabel& label) {
  return label.hasAccessibilityTexts();
}

TEST(RarePropertyBlocks, NoBlockUntilAValueOtherThanTheInitialOneIsWritten) {
  const auto red = rgb(1, 0, 0);
  const std::vector<BlockCase> cases = {
      {"layer shadow", [](UILabel& l) { l.layer()->setShadowOpacity(0); },
       [](UILabel& l) { l.layer()->setShadowOpacity(0.5f); }, layerBlock,
       [](const UILabel& l) { return l.layer()->shadowOpacity() == 0.5f; }},
      {"layer transform", [](UILabel& l) { l.layer()->setTransform(CATransform3DIdentity); },
       [](UILabel& l) { l.layer()->setTransform(CATransform3DMakeScale(2, 2, 1)); }, layerBlock,
       [](const UILabel& l) { return l.frame() == CGRectMake(-5, -5, 20, 20); }},
      {"layer anchor point",
       [](UILabel& l) {
         l.layer()->setAnchorPoint({0.5, 0.5});
       },
       [](UILabel& l) {
         l.layer()->setAnchorPoint({0, 0});
       },
       layerBlock, [](const UILabel& l) { return l.frame() == CGRectMake(5, 5, 10, 10); }},
      {"layer bounds origin", [](UILabel& l) { l.setBounds(CGRectMake(0, 0, 10, 10)); },
       [](UILabel& l) { l.setBounds(CGRectMake(3, 4, 10, 10)); }, layerBlock,
       [](const UILabel& l) {
         return l.bounds() == CGRectMake(3, 4, 10, 10) && l.frame() == CGRectMake(0, 0, 10, 10);
       }},
      {"layer name", [](UILabel& l) { l.layer()->setName(""); },
       [](UILabel& l) { l.layer()->setName("cell"); }, layerBlock,
       [](const UILabel& l) { return l.layer()->name() == "cell"; }},
      {"view tint", [](UILabel& l) { l.setTintColor(nullptr); }, [&](UILabel& l) { l.setTintColor(red); },
       viewBlock, [&](const UILabel& l) { return l.tintColor() == red; }},
      {"view content scale", [](UILabel& l) { l.setContentScaleFactor(1); },
       [](UILabel& l) { l.setContentScaleFactor(2); }, viewBlock,
       [](const UILabel& l) { return l.contentScaleFactor() == 2; }},
      {"view accessibility hint", [](UILabel& l) { l.setAccessibilityHint(std::nullopt); },
       [](UILabel& l) { l.setAccessibilityHint("3"); }, textsBlock,
       [](const UILabel& l) { return l.accessibilityHint() == "3" && !l.hasRareProperties(); }},
      {"label shadow offset",
       [](UILabel& l) {
         l.setShadowOffset({0, -1});
       },
       [](UILabel& l) {
         l.setShadowOffset({2, 2});
       },
       labelBlock, [](const UILabel& l) { return l.shadowOffset() == CGSizeMake(2, 2); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    UILabel label(CGRectMake(0, 0, 10, 10));
    EXPECT_FALSE(c.hasBlock(label));
    c.writeInitial(label);
    EXPECT_FALSE(c.hasBlock(label)) << "the initial value needs no block";
    c.writeOther(label);
    EXPECT_TRUE(c.hasBlock(label));
    EXPECT_TRUE(c.readsOther(label));
    const UILabel untouched(CGRectMake(0, 0, 10, 10));
    EXPECT_FALSE(c.readsOther(untouched)) << "one object's write reaches no other";
  }
}

TEST(RarePropertyBlocks, KeyValuesAndDisplayKeepTheirMeaningWithoutABlock) {
  CALayer layer;
  EXPECT_EQ(layer.presentationLayer(), nullptr) << "never displayed";
  layer.markDisplayed();
  EXPECT_FALSE(layer.hasRareProperties()) << "displaying a layer without key values makes no block";
  ASSERT_NE(layer.presentationLayer(), nullptr);
  const auto unset = [](const CALayerValue& v) { return std::holds_alternative<std::monostate>(v); };
  EXPECT_TRUE(unset(layer.presentationLayer()->valueForKey("style")));
  layer.setValueForKey("style", Value(1));
  EXPECT_TRUE(layer.hasRareProperties());
  EXPECT_EQ(layer.valueForKey("style"), CALayerValue(Value(1)));
  EXPECT_TRUE(unset(layer.presentationLayer()->valueForKey("style"))) << "not displayed since";
  layer.markDisplayed();
  EXPECT_EQ(layer.presentationLayer()->valueForKey("style"), CALayerValue(Value(1)));
}

}  // namespace
}  // namespace tarnavel
