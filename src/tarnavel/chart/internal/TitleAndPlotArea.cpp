#include "tarnavel/chart/internal/TitleAndPlotArea.h"

#include "tarnavel/chart/UIChart.h"
#include "tarnavel/platform/graphics/TextMeasure.h"

namespace tarnavel {

namespace {
constexpr CGRect kMadeTitleFrame = CGRectMake(0, 0, 222, 22);
}

void placeChartTitle(UIChart& chart) {
  UILabel* title = chart.chartTitle.get();
  if (!title) return;
  if (title->frame() == kMadeTitleFrame) {
    const CGSize size = sizeWithFont(title->text(), title->font());
    title->setFrame(CGRectMake(0, 0, size.width, size.height));
  }
  chart.addSubview(chart.chartTitle);
}

void framePlotArea(UIChart& chart) {
  UIView* plot = chart.plotArea.get();
  if (!plot || !CGRectIsEmpty(plot->frame())) return;
  const CGFloat W = chart.bounds().size.width;
  const CGFloat H = chart.bounds().size.height;
  const CGRect T = chart.chartTitle ? chart.chartTitle->bounds() : CGRectZero;
  plot->setFrame(CGRectMake(20, T.origin.y + T.size.height + 5, (W - 20) + W / (-10),
                            ((H - 5) - T.size.height) + H / (-10)));
}

}  // namespace tarnavel
