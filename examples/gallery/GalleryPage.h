#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarnavel {
class UIView;
}

namespace gallery {

/// Where a page writes its files; every file written is listed for the user at the end.
class GalleryOutput {
 public:
  explicit GalleryOutput(std::filesystem::path folder) : folder_(std::move(folder)) {}

  /// Renders `view` to `<folder>/<name>` (PNG at twice the point size, or SVG/PDF by the extension).
  void renderView(const tarnavel::UIView& view, const std::string& name);
  void writeText(const std::string& name, const std::string& text);
  const std::vector<std::string>& written() const { return written_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::string> written_;
};

using GalleryPageFunction = void (*)(GalleryOutput&);

/// A page of the gallery; declare one at namespace scope in the page's file to register it.
struct GalleryPage {
  GalleryPage(const char* name, GalleryPageFunction build);
};

struct RegisteredPage {
  const char* name;
  GalleryPageFunction build;
};
std::vector<RegisteredPage>& registeredPages();

}  // namespace gallery
