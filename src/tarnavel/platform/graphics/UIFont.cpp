#include "tarnavel/platform/graphics/UIFont.h"

#include <cmath>
#include <map>
#include <mutex>
#include <utility>

namespace tarnavel {

namespace {

constexpr const char* kSystemFontName = "System";

bool contains(const std::string& text, const char* word) {
  return text.find(word) != std::string::npos;
}

}  // namespace

UIFont::UIFont(std::string name, CGFloat size) : name_(std::move(name)), size_(size) {
  if (name_ == kSystemFontName) {
    family_ = "Sans";
    return;
  }
  const auto dash = name_.rfind('-');
  family_ = dash == std::string::npos ? name_ : name_.substr(0, dash);
  const std::string style = dash == std::string::npos ? std::string() : name_.substr(dash + 1);
  bold_ = contains(style, "Bold") || contains(style, "Heavy") || contains(style, "Black");
  italic_ = contains(style, "Italic") || contains(style, "Oblique");
}

std::shared_ptr<UIFont> UIFont::fontWithName(const std::string& name, CGFloat size) {
  static std::mutex mutex;
  static std::map<std::pair<std::string, CGFloat>, std::shared_ptr<UIFont>> cache;
  if (!std::isfinite(size) || size < 0) size = 0;
  std::lock_guard lock(mutex);
  auto& font = cache[{name, size}];
  if (!font) font = std::make_shared<UIFont>(name, size);
  return font;
}

std::shared_ptr<UIFont> UIFont::systemFontOfSize(CGFloat size) {
  return fontWithName(kSystemFontName, size);
}

}  // namespace tarnavel
