// Rendering a grid-like tree of labelled cells, and measuring text, each beside the same work done with
// Cairo and Pango directly.
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>

#include <cstring>
#include <string>
#include <vector>

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIFont.h"
#include "tarnavel/platform/render/Renderer.h"
#include "tarnavel/platform/views/UILabel.h"

namespace {

using namespace tarnavel;

constexpr int kRows = 25;
constexpr int kColumns = 20;
constexpr double kCellWidth = 60;
constexpr double kCellHeight = 20;
constexpr double kFontSize = 11;

std::string cellText(int row, int column) {
  return "R" + std::to_string(row) + " C" + std::to_string(column) +
         (column % 3 == 0 ? " long enough to cut" : "");
}

std::array<double, 3> cellColour(int row) {
  return row % 2 == 0 ? std::array{1.0, 1.0, 1.0} : std::array{0.92, 0.95, 0.92};
}

std::shared_ptr<UIView> makeCellTree() {
  auto root = std::make_shared<UIView>(CGRectMake(0, 0, kColumns * kCellWidth, kRows * kCellHeight));
  const auto font = UIFont::fontWithName("Verdana", kFontSize);
  const auto border = UIColor::grayColor()->CGColor();
  for (int row = 0; row < kRows; ++row) {
    const auto [r, g, b] = cellColour(row);
    const auto background = UIColor::colorWithRed(r, g, b, 1);
    for (int column = 0; column < kColumns; ++column) {
      auto cell = std::make_shared<UILabel>(
          CGRectMake(column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight));
      cell->setText(cellText(row, column));
      cell->setFont(font);
      cell->setBackgroundColor(background);
      cell->layer()->borderColor = border;
      cell->layer()->borderWidth = 1;
      root->addSubview(cell);
    }
  }
  return root;
}

void BM_RenderCellTree(benchmark::State& state) {
  const auto tree = makeCellTree();
  for (auto _ : state)
    benchmark::DoNotOptimize(renderToImage(*tree));
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_RenderCellTree)->Unit(benchmark::kMillisecond);

// The same cells drawn straight onto a Cairo surface with one reused Pango layout, pixels copied out.
void BM_RenderCellsWithCairoAndPango(benchmark::State& state) {
  std::vector<std::string> texts;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column)
      texts.push_back(cellText(row, column));
  }
  PangoFontDescription* font = pango_font_description_from_string("Verdana");
  pango_font_description_set_absolute_size(font, kFontSize * PANGO_SCALE);
  for (auto _ : state) {
    const int width = static_cast<int>(kColumns * kCellWidth), height = static_cast<int>(kRows * kCellHeight);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
    pango_layout_set_width(layout, static_cast<int>(kCellWidth * PANGO_SCALE));
    for (int row = 0; row < kRows; ++row) {
      const auto [r, g, b] = cellColour(row);
      for (int column = 0; column < kColumns; ++column) {
        const double x = column * kCellWidth, y = row * kCellHeight;
        cairo_rectangle(cr, x, y, kCellWidth, kCellHeight);
        cairo_set_source_rgb(cr, r, g, b);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 0.5, y + 0.5, kCellWidth - 1, kCellHeight - 1);
        cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        const std::string& text = texts[static_cast<std::size_t>(row * kColumns + column)];
        pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_move_to(cr, x, y + (kCellHeight - static_cast<double>(logical.height) / PANGO_SCALE) / 2);
        pango_cairo_show_layout(cr, layout);
      }
    }
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    std::memcpy(pixels.data(), cairo_image_surface_get_data(surface), pixels.size() * 4);
    benchmark::DoNotOptimize(pixels.data());
    cairo_surface_destroy(surface);
  }
  pango_font_description_free(font);
  state.SetItemsProcessed(state.iterations() * kRows * kColumns);
}
BENCHMARK(BM_RenderCellsWithCairoAndPango)->Unit(benchmark::kMillisecond);

std::vector<std::string> measuredTexts() {
  std::vector<std::string> texts;
  for (int i = 0; i < 200; ++i)
    texts.push_back("Record " + std::to_string(i * 37) + " value " + std::to_string(i));
  return texts;
}

void BM_MeasureText(benchmark::State& state) {
  const auto texts = measuredTexts();
  const auto font = UIFont::fontWithName("Verdana", kFontSize);
  for (auto _ : state) {
    for (const std::string& text : texts)
      benchmark::DoNotOptimize(measureTextWithPango(text, *font));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_MeasureText);

// The bare Pango work of measuring: one layout, the text set, the logical extents read.
void BM_MeasureTextWithPangoLayout(benchmark::State& state) {
  const auto texts = measuredTexts();
  PangoContext* context = pango_font_map_create_context(pango_cairo_font_map_get_default());
  PangoLayout* layout = pango_layout_new(context);
  PangoFontDescription* font = pango_font_description_from_string("Verdana");
  pango_font_description_set_absolute_size(font, kFontSize * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
  for (auto _ : state) {
    for (const std::string& text : texts) {
      pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
      PangoRectangle logical;
      pango_layout_get_extents(layout, nullptr, &logical);
      benchmark::DoNotOptimize(logical);
    }
  }
  pango_font_description_free(font);
  g_object_unref(layout);
  g_object_unref(context);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_MeasureTextWithPangoLayout);

}  // namespace

BENCHMARK_MAIN();
