// Builds a chart or a grid through the public API from the input, binds it twice, drives every control in it
// through the user entry points and renders it. Aborts when a platform exception reaches the caller of a
// bind or a gesture, when the renderer raises for a view within its limits, or when a frame is not a
// number. The sanitizers and the fuzzer's own time and memory limits catch the rest.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/Legend.h"
#include "tarnavel/chart/MarkedRegion.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/grid/UIDataGrid.h"
#include "tarnavel/platform/controls/UIDatePicker.h"
#include "tarnavel/platform/controls/UISlider.h"
#include "tarnavel/platform/controls/UISwitch.h"
#include "tarnavel/platform/controls/UITextField.h"
#include "tarnavel/platform/input/UserInput.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/Renderer.h"

namespace {

using namespace tarnavel;

constexpr CGFloat kHuge = std::numeric_limits<CGFloat>::max();

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "controls_fuzz: %s\n", what.c_str());
  std::abort();
}

/// The input read as a stream of choices; past its end every choice is the first one.
class Choices {
 public:
  Choices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  unsigned byte() { return at_ < size_ ? data_[at_++] : 0; }
  bool flag() { return byte() & 1; }
  std::size_t below(std::size_t count) { return byte() % count; }

  /// A length or value: mostly ordinary ones, sometimes huge, negative or not a number, sometimes any double.
  CGFloat number() {
    static constexpr CGFloat kNumbers[] = {0,   1,    5,     20,    70,     240,  -3,  0.5,
                                           1e6, 1e12, 1e300, kHuge, -kHuge, -1e6, 399, 1e-300};
    const unsigned pick = byte();
    if (pick < 224) return kNumbers[pick % std::size(kNumbers)];
    if (pick < 240) return pick % 2 ? std::numeric_limits<CGFloat>::infinity() : std::nan("");
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
      bits = bits << 8 | byte();
    CGFloat any;
    std::memcpy(&any, &bits, sizeof any);
    return any;
  }

  /// A number as a float, an out-of-range one as the infinity of its sign.
  float single() {
    const CGFloat n = number();
    if (std::abs(n) > std::numeric_limits<float>::max()) return n > 0 ? HUGE_VALF : -HUGE_VALF;
    return static_cast<float>(n);
  }

  std::string text() {
    static const char* const kTexts[] = {"",        "1",
                                         "12.5",    "-7",
                                         "Tuesday", "03/14/2024",
                                         "2",       "a caption far too long for any cell it is put in",
                                         "x\ny",    "\xF0\x9F\x99\x82",
                                         "\xFF\xFE"};
    return kTexts[below(std::size(kTexts))];
  }

  std::shared_ptr<UIColor> color() {
    if (flag()) return nullptr;
    const std::array<unsigned, 4> rgba{byte(), byte(), byte(), byte()};  // read in order
    return UIColor::colorWithRed(rgba[0] / 255.0, rgba[1] / 255.0, rgba[2] / 255.0, rgba[3] / 255.0);
  }

  CGPoint point() { return {number(), number()}; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Pages of a phone's size at most: a larger one only makes each input slower (a tall cylinder copies its
// body, fills included, every half point).
CGRect frameFrom(Choices& in) {
  static constexpr CGFloat kSides[] = {0, 1, 50, 320, 240, 100};
  const CGFloat width = kSides[in.below(std::size(kSides))];
  return CGRectMake(0, 0, width, kSides[in.below(std::size(kSides))]);
}

// ---- chart

void styleBox(ChartStyle& box, Choices& in) {
  box.layoutStyle = in.below(5);
  box.gradientStyle = in.below(6);
  box.gradientDirection = in.below(5);
  box.gradientRadius = in.number();
  box.hatchLineStepHeight = in.number();
  box.hatchLineWidth = in.number();
  box.foregroundColor = in.color();
  box.backgroundImageName = in.flag() ? "dot" : "";
}

std::shared_ptr<ChartItem> itemFrom(Choices& in) {
  auto item = std::make_shared<ChartItem>();
  item->value = in.number();
  item->pointType = in.below(6);
  item->pointWidth = in.number();
  item->pointStrokeLineWidth = in.number();
  item->pointImageName = in.flag() ? "dot" : "";
  item->titleXshift = in.number();
  item->titleYshift = in.number();
  item->Title->setText(in.text());
  item->xAxisLabel->setText(in.text());
  item->setBackgroundColor(in.color());
  styleBox(*item, in);
  return item;
}

std::shared_ptr<UIChart> chartFrom(Choices& in) {
  auto chart = std::make_shared<UIChart>(frameFrom(in));
  chart->chartType = in.below(10);
  chart->orientation = in.below(3);
  chart->minValue = in.number();
  chart->maxValue = in.number();
  chart->itemBreadth = in.number();
  chart->yAxisScaleUnitsCount = static_cast<int>(in.byte()) - 8;
  chart->yAxisLabelsHidden = in.flag();
  chart->xAxisLabelsHidden = in.flag();
  chart->xAxisLabelsShowDefaultOrderNumbers = in.flag();
  chart->yAxisTitleLabelRotationAngle = in.number();
  chart->legendsInterpositions = in.below(3);
  chart->chartTitle->setText(in.text());
  chart->yAxisTitleLabel->setText(in.text());
  styleBox(*chart, in);
  for (std::size_t s = in.below(4); s > 0; --s) {
    auto series = std::make_shared<ChartSeries>();
    series->pie3D = in.flag();
    series->pieRadius = in.number();
    series->pie3DHeight = static_cast<NSInteger>(in.byte()) - 8;
    series->pieStarts = in.byte() * 7;
    series->shape->lineWidth = in.number();
    for (std::size_t i = in.below(7); i > 0; --i)
      series->Items.push_back(itemFrom(in));
    chart->series.push_back(series);
  }
  for (std::size_t l = in.below(3); l > 0; --l) {
    auto entry = std::make_shared<legend>();
    entry->legendBulletType = in.below(6);
    entry->legendBulletWidth = in.number();
    entry->legendMargin = in.number();
    entry->legendBulletImageName = in.flag() ? "dot" : "";
    entry->legendLabel->setText(in.text());
    chart->legends.push_back(entry);
  }
  for (std::size_t r = in.below(3); r > 0; --r) {
    auto region = std::make_shared<markedRegion>();
    region->yBottom = in.number();
    region->yTop = in.number();
    region->xStart = in.number();
    region->xEnd = in.number();
    styleBox(*region, in);
    chart->markedRegions.push_back(region);
  }
  return chart;
}

// ---- grid

std::shared_ptr<DataGridColumn> columnFrom(Choices& in) {
  std::shared_ptr<DataGridColumn> column;
  switch (in.below(9)) {
    case 0:
      column = std::make_shared<DataGridLabelColumn>();
      break;
    case 1:
      column = std::make_shared<DataGridImageColumn>();
      break;
    case 2:
      column = std::make_shared<DataGridButtonColumn>();
      break;
    case 3: {
      auto field = std::make_shared<DataGridTextFieldColumn>();
      field->numberFormatterStyle = in.below(6);
      field->recognizeCellTapped = in.flag();
      column = field;
      break;
    }
    case 4:
      column = std::make_shared<DataGridTextViewColumn>();
      break;
    case 5:
      column = std::make_shared<DataGridSwitchColumn>();
      break;
    case 6: {
      auto slider = std::make_shared<DataGridSliderColumn>();
      slider->minimumValue = in.single();
      slider->maximumValue = in.single();
      column = slider;
      break;
    }
    case 7: {
      auto dates = std::make_shared<DataGridDatePickerColumn>();
      dates->dateFormat = in.flag() ? "MM/dd/yyyy" : in.text();
      column = dates;
      break;
    }
    default: {
      auto picker = std::make_shared<DataGridPickerColumn>();
      picker->pickerDataSource = Value::newArray({Value("Low"), Value("High"), Value(in.text())});
      picker->pickerRowHeight = in.number();
      column = picker;
      break;
    }
  }
  column->dataFieldIndex = static_cast<NSInteger>(in.below(4)) - 1;
  column->Width = in.number();
  column->AutoSizeType = static_cast<DataGridAutoSizeType>(in.below(4));
  column->setHidden(in.below(4) == 0);
  column->Title = in.text();
  column->borderWidth = in.number();
  column->cellSize = CGSize{in.number(), in.number()};
  column->cellLayoutPosition = static_cast<DataGridCellLayoutPosition>(in.below(12));
  return column;
}

std::shared_ptr<UIDataGrid> gridFrom(Choices& in) {
  auto grid = std::make_shared<UIDataGrid>(frameFrom(in));
  grid->ColumnsWidth = in.flag() ? 70 : in.number();
  grid->RowHeight = in.number();
  grid->HeaderHeight = in.number();
  grid->HeaderScrollHide = in.flag();
  grid->rowBorderHeight = in.number();
  grid->columnBorderWidth = in.number();
  grid->cellBorderWidth = in.number();
  grid->updateDataSource = in.flag();
  grid->alternatingBackgroundColor = in.color();
  for (std::size_t c = in.below(6); c > 0; --c)
    grid->Columns.push_back(columnFrom(in));
  Value records = Value::newArray();
  for (std::size_t r = in.below(5); r > 0; --r) {
    Value record = Value::newArray();
    for (std::size_t f = in.below(4); f > 0; --f)
      record.append(Value(in.text()));
    records.append(record);
  }
  grid->DataSource = records;
  return grid;
}

// ---- driving and checking

/// Runs a bind or a gesture: a platform exception must not reach its caller.
template <class Step>
void expectQuiet(const char* what, Step&& step) {
  try {
    step();
  } catch (const NSException& exception) {
    fail(std::string(what) + " let out " + exception.what());
  }
}

void collectViews(UIView& view, std::vector<std::shared_ptr<UIView>>& views, int depth = 0) {
  if (depth > 64) return;
  for (const auto& child : view.subviews()) {
    views.push_back(child);
    collectViews(*child, views, depth + 1);
  }
}

/// One gesture on each control the tree holds, and a few taps and drags.
void driveAsAUser(UIView& root, Choices& in) {
  std::vector<std::shared_ptr<UIView>> views;
  collectViews(root, views);
  for (const auto& view : views) {
    if (auto* toggle = dynamic_cast<UISwitch*>(view.get()))
      expectQuiet("a switch tap", [&] { toggle->tap(); });
    if (auto* slider = dynamic_cast<UISlider*>(view.get()))
      expectQuiet("a slider drag", [&] { slider->dragToValue(in.single()); });
    if (auto* field = dynamic_cast<UITextField*>(view.get())) {
      expectQuiet("typing", [&] {
        field->typeText(in.text());
        field->replaceAllText(in.text());
        field->endEditing();
      });
    }
    if (auto* textView = dynamic_cast<UITextView*>(view.get())) {
      expectQuiet("typing", [&] {
        textView->typeText(in.text());
        textView->endEditing();
      });
    }
    if (auto* dates = dynamic_cast<UIDatePicker*>(view.get())) {
      expectQuiet("a date spin", [&] {
        dates->beginEditing();
        if (const auto date = NSDate::dateWithTimeIntervalSince1970(in.number())) dates->spinToDate(*date);
        dates->endEditing();
      });
    }
    if (auto* picker = dynamic_cast<UIPickerView*>(view.get())) {
      const NSInteger row = static_cast<NSInteger>(in.below(4));
      expectQuiet("a picker spin", [&] { picker->pickRow(row, static_cast<NSInteger>(in.below(2))); });
    }
    if (auto* scroll = dynamic_cast<UIScrollView*>(view.get())) {
      expectQuiet("a scroll gesture", [&] {
        const std::vector<CGPoint> moves{in.point(), in.point()};
        scroll->drag(moves, in.point());
        scroll->pinch(in.number());
        scroll->tapStatusBar();
      });
    }
  }
  for (int tap = 0; tap < 3; ++tap)
    expectQuiet("a tap", [&] { tapAt(root, in.point()); });
}

void checkFrames(UIView& root) {
  std::vector<std::shared_ptr<UIView>> views;
  collectViews(root, views);
  for (const auto& view : views) {
    const CGRect frame = view->frame();
    if (std::isnan(frame.origin.x) || std::isnan(frame.origin.y) || std::isnan(frame.size.width) ||
        std::isnan(frame.size.height)) {
      fail("a view's frame is not a number");
    }
  }
}

/// Renders small: the renderer's page limits are its own business, its drawing is what is checked here.
void render(UIView& root) {
  const CGSize size = root.bounds().size;
  RenderOptions options;
  options.scale = std::min(1.0, 320 / std::max({size.width, size.height, 1.0}));
  try {
    renderToImage(root, options);
  } catch (const NSException& exception) {
    if (!(size.width <= 1e12 && size.height <= 1e12)) return;  // a documented refusal
    fail(std::string("rendering raised ") + exception.what());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool imagesRegistered = [] {
    UIImage::registerImage("dot", std::make_shared<UIImage>(std::make_shared<CGImage>(
                                      4, 4, std::vector<std::uint32_t>(16, 0xFF3366CCu))));
    return true;
  }();
  (void)imagesRegistered;
  Choices in(data, size);
  std::shared_ptr<UIView> root;
  if (in.flag()) {
    auto chart = chartFrom(in);
    expectQuiet("a chart bind", [&] { chart->DataBind(); });
    expectQuiet("a second chart bind", [&] { chart->DataBind(); });
    root = chart;
  } else {
    auto grid = gridFrom(in);
    expectQuiet("a grid bind", [&] { grid->DataBind(); });
    expectQuiet("a second grid bind", [&] { grid->DataBind(); });
    root = grid;
  }
  driveAsAUser(*root, in);
  checkFrames(*root);
  render(*root);
  return 0;
}
