// Fonts and measuring through Pango with fontconfig: one measuring layout and one font-description cache per
// thread, so a grid that measures every record creates no font map, context or layout per call.
#include "tarnavel/platform/internal/PangoText.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tarnavel/platform/graphics/TextMeasure.h"
#include "tarnavel/platform/internal/EngineHandles.h"
#include "tarnavel/platform/internal/FontResolution.h"

namespace tarnavel {

namespace {

// Larger sizes would overflow Pango's integer units for ordinary texts; no screen font comes near this.
constexpr CGFloat kLargestFontSize = 10000;
// Fonts a thread keeps described before it starts over; the controls use a handful.
constexpr std::size_t kCachedFontLimit = 256;
// Texts are cut to this many bytes (on a character boundary) so that Pango's int lengths never overflow.
constexpr std::size_t kLongestText = std::size_t{1} << 30;

struct FontEntry {
  std::string family;
  bool bold;
  bool italic;
  CGFloat size;
  PangoFontDescriptionHandle description;
};

class FontDescriptionCache {
 public:
  const PangoFontDescription* find(const UIFont& font) {
    const CGFloat size = usableFontSize(font);
    if (last_ < entries_.size() && matches(entries_[last_], font, size)) {
      return entries_[last_].description.get();
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (matches(entries_[i], font, size)) {
        last_ = i;
        return entries_[i].description.get();
      }
    }
    if (entries_.size() >= kCachedFontLimit) clear();
    entries_.push_back({font.familyName(), font.isBold(), font.isItalic(), size, describe(font, size)});
    last_ = entries_.size() - 1;
    return entries_.back().description.get();
  }

 private:
  static bool matches(const FontEntry& entry, const UIFont& font, CGFloat size) {
    return entry.size == size && entry.bold == font.isBold() && entry.italic == font.isItalic() &&
           entry.family == font.familyName();
  }

  static PangoFontDescriptionHandle describe(const UIFont& font, CGFloat size) {
    PangoFontDescriptionHandle description(pango_font_description_new());
    PangoFontDescription* d = description.get();
    pango_font_description_set_family(d, font.familyName().c_str());
    pango_font_description_set_weight(d, font.isBold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, font.isItalic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    // Absolute size: one point of the font is one user unit of the drawing.
    pango_font_description_set_absolute_size(d, size * PANGO_SCALE);
    return description;
  }

  void clear() {
    entries_.clear();
    last_ = 0;
  }

  std::vector<FontEntry> entries_;
  std::size_t last_ = 0;
};

/// A context and a layout of the thread, on the thread's default font map.
class ThreadLayout {
 public:
  ThreadLayout()
      : context_(pango_font_map_create_context(pango_cairo_font_map_get_default())),
        layout_(pango_layout_new(context_.get())) {
    applyTextOptions(context_.get());
    pango_layout_context_changed(layout_.get());
  }

  PangoContext* context() const { return context_.get(); }
  PangoLayout* layout() const { return layout_.get(); }

 private:
  GObjectHandle<PangoContext> context_;
  GObjectHandle<PangoLayout> layout_;
};

ThreadLayout& measuring() {
  thread_local ThreadLayout instance;
  return instance;
}

}  // namespace

PangoLayout* measuringLayout() {
  return measuring().layout();
}

PangoLayout* drawingLayout() {
  thread_local ThreadLayout instance;
  return instance.layout();
}

CGFloat usableFontSize(const UIFont& font) {
  return std::isfinite(font.pointSize()) ? std::clamp(font.pointSize(), 0.0, kLargestFontSize) : 0;
}

const PangoFontDescription* pangoFontDescription(const UIFont& font) {
  thread_local FontDescriptionCache cache;
  return cache.find(font);
}

void applyTextOptions(PangoContext* context) {
  const CairoFontOptionsHandle options(cairo_font_options_create());
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context, options.get());
  pango_context_set_round_glyph_positions(context, FALSE);
}

void setLayoutText(PangoLayout* layout, std::string_view text) {
  if (text.size() > kLongestText) {
    std::size_t cut = kLongestText;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
      --cut;
    text = text.substr(0, cut);
  }
  if (g_utf8_validate_len(text.data(), text.size(), nullptr)) {
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    return;
  }
  const GMemoryHandle valid(g_utf8_make_valid(text.data(), static_cast<gssize>(text.size())));
  pango_layout_set_text(layout, valid.get(), -1);
}

ResolvedFontFace resolveFontFace(const UIFont& font) {
  PangoContext* context = measuring().context();
  const GObjectHandle<PangoFont> loaded(
      pango_font_map_load_font(pango_context_get_font_map(context), context, pangoFontDescription(font)));
  if (!loaded) return {};
  const PangoFontDescriptionHandle description(pango_font_describe(loaded.get()));
  ResolvedFontFace face;
  const char* family = pango_font_description_get_family(description.get());
  face.family = family ? family : "";
  face.bold = pango_font_description_get_weight(description.get()) >= PANGO_WEIGHT_BOLD;
  face.italic = pango_font_description_get_style(description.get()) != PANGO_STYLE_NORMAL;
  return face;
}

CGSize measureTextWithPango(std::string_view text, const UIFont& font) {
  if (text.empty() || !(font.pointSize() > 0)) return {};
  PangoLayout* layout = measuringLayout();
  pango_layout_set_font_description(layout, pangoFontDescription(font));
  setLayoutText(layout, text);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return {static_cast<CGFloat>(logical.width) / PANGO_SCALE,
          static_cast<CGFloat>(logical.height) / PANGO_SCALE};
}

}  // namespace tarnavel

// GCC says it builds with AddressSanitizer by a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define TARNAVEL_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARNAVEL_LEAK_CHECKED 1
#endif
#endif

#if defined(TARNAVEL_LEAK_CHECKED)
// Fontconfig never frees what it matched for Pango's font map (a bare Pango program shows the same), so
// leak checking would fail every program that lays out text; the leak is not ours to fix.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif
