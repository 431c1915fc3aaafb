// Renders every gallery page into the folder given as the first argument and lists the files written.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iostream>

#include "GalleryPage.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/graphics/UIColor.h"
#include "tarnavel/platform/graphics/UIImage.h"
#include "tarnavel/platform/render/Renderer.h"

namespace gallery {

std::vector<RegisteredPage>& registeredPages() {
  static std::vector<RegisteredPage> pages;
  return pages;
}

GalleryPage::GalleryPage(const char* name, GalleryPageFunction build) {
  registeredPages().push_back({name, build});
}

void GalleryOutput::renderView(const tarnavel::UIView& view, const std::string& name) {
  const std::filesystem::path file = folder_ / name;
  tarnavel::RenderOptions options;
  options.scale = 2;
  options.background = tarnavel::UIColor::whiteColor();
  tarnavel::render(view, file.string(), options);
  written_.push_back(file.string());
}

void GalleryOutput::writeText(const std::string& name, const std::string& text) {
  const std::filesystem::path file = folder_ / name;
  std::ofstream(file) << text;
  written_.push_back(file.string());
}

}  // namespace gallery

int main(int argc, char** argv) {
  const std::filesystem::path folder = argc > 1 ? argv[1] : "gallery";
  std::filesystem::create_directories(folder);
  tarnavel::UIImage::addImageSearchPath(TARNAVEL_GALLERY_ASSETS);

  auto pages = gallery::registeredPages();
  std::sort(pages.begin(), pages.end(),
            [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
  gallery::GalleryOutput output(folder);
  int failures = 0;
  for (const auto& page : pages) {
    try {
      page.build(output);
    } catch (const std::exception& error) {
      std::cerr << "gallery page " << page.name << " failed: " << error.what() << "\n";
      ++failures;
    }
  }
  std::cout << "Gallery written to " << folder.string() << ":\n";
  for (const std::string& file : output.written())
    std::cout << "  " << file << "\n";
  return failures == 0 ? 0 : 1;
}
