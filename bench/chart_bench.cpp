// Binding and rendering a bar chart to PNG (and the same data as cylinders); binding a large line chart, and
// binding it again; rendering a bound chart to pixels beside a baseline that draws the same rectangles, lines
// and texts straight with Cairo and Pango; and writing the same 1920 x 1080 pixels to PNG with the library's
// writer beside Cairo's own. The baseline's drawing list is read off a chart bound once, so both sides paint
// exactly the same things; the difference is what the view tree, the layers and the renderer cost.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/chart/ChartEnumerations.h"
#include "tarnavel/chart/ChartItem.h"
#include "tarnavel/chart/ChartSeries.h"
#include "tarnavel/chart/UIChart.h"
#include "tarnavel/platform/foundation/Format.h"
#include "tarnavel/platform/internal/PngWriter.h"
#include "tarnavel/platform/layers/CAShapeLayer.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/platform/views/UILabel.h"

namespace {

using namespace tarnavel;

const std::shared_ptr<UIColor> kSeriesColors[] = {
    UIColor::colorWithRed(0.23, 0.44, 0.71, 1), UIColor::colorWithRed(0.93, 0.55, 0.20, 1),
    UIColor::colorWithRed(0.35, 0.63, 0.31, 1), UIColor::colorWithRed(0.80, 0.26, 0.30, 1)};

// A 960 x 540 bar chart of `categories` x `seriesCount` values with a title, labels on both axes, grid
// lines and a value label on every bar, filled with plain colours.
std::shared_ptr<UIChart> makeBarChart(int categories, int seriesCount) {
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 960, 540));
  chart->chartTitle->setText("Quarterly volume");
  chart->chartTitle->setTextColor(UIColor::blackColor());
  chart->chartTitle->setFont(UIFont::fontWithName("Verdana", 14));
  chart->foregroundColor = UIColor::lightGrayColor();
  chart->yAxisLabelsTextColor = UIColor::darkGrayColor();
  chart->xAxisLabelsTextColor = UIColor::darkGrayColor();
  chart->yAxisLabelsFont = UIFont::fontWithName("Verdana", 9);
  chart->xAxisLabelsFont = UIFont::fontWithName("Verdana", 9);
  chart->xAxisLabelsHidden = false;
  chart->xAxisLabelsShowDefaultOrderNumbers = true;
  for (int j = 0; j < seriesCount; ++j) {
    auto series = std::make_shared<ChartSeries>();
    for (int k = 0; k < categories; ++k) {
      auto item = std::make_shared<ChartItem>();
      item->value = 20 + 15 * std::sin(0.7 * k + j);
      item->layoutStyle = 0;
      item->setBackgroundColor(kSeriesColors[j % 4]);
      item->Title->setText(formatFixed(item->value, 0));
      item->Title->setFont(UIFont::fontWithName("Verdana", 7));
      series->Items.push_back(item);
    }
    chart->series.push_back(series);
  }
  return chart;
}

// What the renderer draws for a bound chart, as plain drawing commands in page coordinates.
struct Drawing {
  struct Fill {
    cairo_matrix_t matrix;
    CGRect rect;
    std::array<CGFloat, 4> rgba;
  };
  struct Line {
    cairo_matrix_t matrix;
    CGPath path;
    CGFloat width;
    std::array<CGFloat, 4> rgba;
  };
  struct Text {
    cairo_matrix_t matrix;
    CGRect rect;
    std::string text;
    std::string family;
    CGFloat size;
    std::array<CGFloat, 4> rgba;
  };
  std::vector<Fill> fills;
  std::vector<Line> lines;
  std::vector<Text> texts;
};

cairo_matrix_t cairoMatrix(const CGAffineTransform& t) {
  return {t.a, t.b, t.c, t.d, t.tx, t.ty};
}

void collect(const CALayer& layer, const CGAffineTransform& toPage, Drawing& drawing) {
  const cairo_matrix_t matrix = cairoMatrix(toPage);
  if (layer.backgroundColor) drawing.fills.push_back({matrix, layer.bounds(), layer.backgroundColor->rgba()});
  if (const auto* shape = dynamic_cast<const CAShapeLayer*>(&layer);
      shape && shape->path && shape->strokeColor) {
    drawing.lines.push_back({matrix, *shape->path, shape->lineWidth, shape->strokeColor->rgba()});
  }
  if (const auto* label = dynamic_cast<const UILabel*>(layer.owningView()); label && label->text()) {
    drawing.texts.push_back({matrix, layer.bounds(), *label->text(), label->font()->familyName(),
                             label->font()->pointSize(), label->textColor()->rgba()});
  }
  for (const auto& sublayer : layer.sublayers()) {
    collect(*sublayer, CGAffineTransformConcat(sublayer->transformToSuperlayer(), toPage), drawing);
  }
}

// Draws the list into a new image surface, which the caller destroys.
cairo_surface_t* drawStraight(const Drawing& drawing, CGSize page, double scale) {
  cairo_surface_t* surface = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, static_cast<int>(page.width * scale), static_cast<int>(page.height * scale));
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_matrix_t base;
  cairo_get_matrix(cr, &base);
  auto place = [&](const cairo_matrix_t& m) {
    cairo_matrix_t combined;
    cairo_matrix_multiply(&combined, &m, &base);
    cairo_set_matrix(cr, &combined);
  };
  for (const auto& f : drawing.fills) {
    place(f.matrix);
    cairo_set_source_rgba(cr, f.rgba[0], f.rgba[1], f.rgba[2], f.rgba[3]);
    cairo_rectangle(cr, f.rect.origin.x, f.rect.origin.y, f.rect.size.width, f.rect.size.height);
    cairo_fill(cr);
  }
  for (const auto& l : drawing.lines) {
    place(l.matrix);
    for (const auto& e : l.path.elements()) {
      if (e.type == CGPath::ElementType::MoveTo) cairo_move_to(cr, e.points[0].x, e.points[0].y);
      if (e.type == CGPath::ElementType::LineTo) cairo_line_to(cr, e.points[0].x, e.points[0].y);
    }
    cairo_set_source_rgba(cr, l.rgba[0], l.rgba[1], l.rgba[2], l.rgba[3]);
    cairo_set_line_width(cr, l.width);
    cairo_stroke(cr);
  }
  PangoLayout* layout = pango_cairo_create_layout(cr);
  for (const auto& t : drawing.texts) {
    place(t.matrix);
    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, t.family.c_str());
    pango_font_description_set_absolute_size(font, t.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, t.text.c_str(), -1);
    pango_cairo_update_layout(cr, layout);
    cairo_set_source_rgba(cr, t.rgba[0], t.rgba[1], t.rgba[2], t.rgba[3]);
    cairo_move_to(cr, t.rect.origin.x, t.rect.origin.y);
    pango_cairo_show_layout(cr, layout);
  }
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

std::string outputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("tarnavel_bench_") + name + ".png")).string();
}

RenderOptions pageOptions() {
  RenderOptions options;
  options.scale = 2;
  options.background = UIColor::whiteColor();
  return options;
}

void BindAndRenderChart(benchmark::State& state, int categories, int seriesCount, NSUInteger chartType,
                        const char* name) {
  const std::string path = outputPath(name);
  const RenderOptions options = pageOptions();
  for (auto _ : state) {
    auto chart = makeBarChart(categories, seriesCount);
    chart->chartType = chartType;
    chart->DataBind();
    render(*chart, path, options);
  }
  // Time per item, so that the kinds of chart compare item for item.
  state.counters["per_item"] =
      benchmark::Counter(static_cast<double>(categories * seriesCount),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BindAndRender(benchmark::State& state, int categories, int seriesCount, const char* name) {
  BindAndRenderChart(state, categories, seriesCount, ChartTypeBar, name);
}

// The same data as cylinders: an oval per item over a body of copies half a point apart.
void BindAndRenderCylinders(benchmark::State& state, int categories, int seriesCount, const char* name) {
  BindAndRenderChart(state, categories, seriesCount, ChartTypeCylinder, name);
}

// A 960 x 540 line chart of `seriesCount` series of `points` items each, at the items' defaults (a gradient
// circle marker and a value title per point).
std::shared_ptr<UIChart> makeLineChart(int points, int seriesCount) {
  auto chart = std::make_shared<UIChart>(CGRectMake(0, 0, 960, 540));
  chart->chartType = ChartTypeLine;
  for (int j = 0; j < seriesCount; ++j) {
    auto series = std::make_shared<ChartSeries>();
    for (int k = 0; k < points; ++k) {
      auto item = std::make_shared<ChartItem>();
      item->value = 20 + 15 * std::sin(0.01 * k + j);
      series->Items.push_back(item);
    }
    chart->series.push_back(series);
  }
  return chart;
}

// The first bind of a line chart, and a second bind of the same chart, which first takes away every view and
// layer the first one added; at twice the points, both take about twice as long. Making and releasing the
// chart are not timed.
void BindLines(benchmark::State& state, int points, int seriesCount, bool rebind) {
  for (auto _ : state) {
    state.PauseTiming();
    auto chart = makeLineChart(points, seriesCount);
    if (rebind) chart->DataBind();
    state.ResumeTiming();
    chart->DataBind();
    state.PauseTiming();
    chart.reset();
    state.ResumeTiming();
  }
}

// A bound chart drawn into pixels: the renderer's share of BindAndRender, without the bind and the file.
void RenderToPixels(benchmark::State& state, int categories, int seriesCount) {
  auto chart = makeBarChart(categories, seriesCount);
  chart->DataBind();
  const RenderOptions options = pageOptions();
  for (auto _ : state)
    benchmark::DoNotOptimize(renderToImage(*chart, options));
}

void StraightCairoBaseline(benchmark::State& state, int categories, int seriesCount) {
  auto chart = makeBarChart(categories, seriesCount);
  chart->DataBind();
  Drawing drawing;
  collect(*chart->layer(), CGAffineTransformIdentity, drawing);
  state.counters["fills"] = static_cast<double>(drawing.fills.size());
  state.counters["lines"] = static_cast<double>(drawing.lines.size());
  state.counters["texts"] = static_cast<double>(drawing.texts.size());
  for (auto _ : state)
    cairo_surface_destroy(drawStraight(drawing, chart->bounds().size, 2));
}

// The pixels of the bound 12 x 4 bar chart at scale 2 (1920 x 1080), as an image surface over them.
struct ChartPixels {
  ChartPixels() {
    auto chart = makeBarChart(12, 4);
    chart->DataBind();
    image = renderToImage(*chart, pageOptions());
    surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image->pixels().data())),
        CAIRO_FORMAT_ARGB32, image->width(), image->height(), image->width() * 4);
  }
  ~ChartPixels() { cairo_surface_destroy(surface); }
  ChartPixels(const ChartPixels&) = delete;
  ChartPixels& operator=(const ChartPixels&) = delete;

  std::shared_ptr<CGImage> image;
  cairo_surface_t* surface;
};

void reportFile(benchmark::State& state, const std::string& path) {
  state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
}

// The library's PNG writer on the chart's pixels, at the given compression.
void WritePng(benchmark::State& state, PngCompression compression, const char* name) {
  const ChartPixels pixels;
  const std::string path = outputPath(name);
  for (auto _ : state)
    writePng(pixels.surface, path, compression);
  reportFile(state, path);
}

// Cairo's own PNG writer on the same pixels.
void CairoWriteToPng(benchmark::State& state) {
  const ChartPixels pixels;
  const std::string path = outputPath("png_cairo");
  for (auto _ : state)
    cairo_surface_write_to_png(pixels.surface, path.c_str());
  reportFile(state, path);
}

BENCHMARK_CAPTURE(BindAndRender, bars_12x4, 12, 4, "bars_12x4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderToPixels, bars_12x4, 12, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StraightCairoBaseline, bars_12x4, 12, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindAndRenderCylinders, cylinders_12x4, 12, 4, "cylinders_12x4")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindLines, first_bind_20000x2, 20000, 2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindLines, rebind_20000x2, 20000, 2, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindLines, first_bind_40000x2, 40000, 2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindLines, rebind_40000x2, 40000, 2, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BindAndRender, bars_1000x1, 1000, 1, "bars_1000x1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderToPixels, bars_1000x1, 1000, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StraightCairoBaseline, bars_1000x1, 1000, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WritePng, fast_1920x1080, PngCompression::Fast, "png_fast")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WritePng, smallest_1920x1080, PngCompression::Smallest, "png_smallest")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CairoWriteToPng)->Name("CairoWriteToPng/1920x1080")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
