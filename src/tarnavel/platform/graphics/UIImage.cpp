#include "tarnavel/platform/graphics/UIImage.h"

#include <cairo.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

#include "tarnavel/platform/internal/CairoImage.h"
#include "tarnavel/platform/internal/EngineHandles.h"
#include "tarnavel/platform/internal/RenderLimits.h"

namespace tarnavel {

namespace {

struct ImageRegistry {
  std::mutex mutex;
  std::vector<std::string> folders;
  std::map<std::string, std::shared_ptr<UIImage>, std::less<>> registered;
  std::map<std::string, std::shared_ptr<UIImage>, std::less<>> cache;
};

ImageRegistry& registry() {
  static ImageRegistry instance;
  return instance;
}

// A name may name a file inside a registered folder, never one outside it.
bool isSafeImageName(const std::string& name) {
  if (name.empty() || name.find('\0') != std::string::npos) return false;
  const std::filesystem::path path(name);
  if (path.is_absolute()) return false;
  for (const auto& part : path) {
    if (part == "..") return false;
  }
  return true;
}

// Whether `file`, with every symbolic link resolved, lies inside `folder`, with its links resolved too: a
// link inside the folder must not lead to a file elsewhere.
bool resolvesInside(const std::filesystem::path& file, const std::filesystem::path& folder) {
  std::error_code error;
  const std::filesystem::path resolvedFile = std::filesystem::canonical(file, error);
  if (error) return false;
  const std::filesystem::path resolvedFolder = std::filesystem::canonical(folder, error);
  if (error) return false;
  const auto [folderEnd, fileAt] =
      std::mismatch(resolvedFolder.begin(), resolvedFolder.end(), resolvedFile.begin(), resolvedFile.end());
  return folderEnd == resolvedFolder.end() && fileAt != resolvedFile.end();
}

std::shared_ptr<UIImage> findInFolders(const std::vector<std::string>& folders, const std::string& name) {
  const bool hasExtension = std::filesystem::path(name).has_extension();
  for (const std::string& folder : folders) {
    for (const std::string& candidate : {name, name + ".png"}) {
      if (hasExtension && candidate != name) continue;
      const std::filesystem::path file = std::filesystem::path(folder) / candidate;
      std::error_code error;
      if (!std::filesystem::is_regular_file(file, error) || !resolvesInside(file, folder)) continue;
      if (auto image = UIImage::imageWithContentsOfFile(file.string())) return image;
    }
  }
  return nullptr;
}

// Whether the PNG file at `path` declares a size within the renderer's image limits, read from its header
// before any pixel is decoded. A file that is not a PNG is left to the decoder to refuse.
bool declaresAcceptableSize(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  unsigned char header[24] = {};
  if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return true;
  static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!std::equal(std::begin(kSignature), std::end(kSignature), header) ||
      std::string_view(reinterpret_cast<const char*>(header + 12), 4) != "IHDR") {
    return true;
  }
  auto bigEndian = [&header](int at) {
    return (std::uint32_t{header[at]} << 24) | (std::uint32_t{header[at + 1]} << 16) |
           (std::uint32_t{header[at + 2]} << 8) | std::uint32_t{header[at + 3]};
  };
  const std::uint32_t width = bigEndian(16), height = bigEndian(20);
  return width <= kLargestImageSide && height <= kLargestImageSide &&
         static_cast<double>(width) * static_cast<double>(height) <= kLargestImageArea;
}

}  // namespace

CGImage::CGImage(int width, int height, std::vector<std::uint32_t> premultipliedArgb)
    : width_(width < 0 ? 0 : width), height_(height < 0 ? 0 : height), pixels_(std::move(premultipliedArgb)) {
  pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

RGBA8 CGImage::pixelAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const std::uint32_t argb = pixels_[static_cast<std::size_t>(y) * width_ + x];
  const std::uint8_t a = argb >> 24;
  if (a == 0) return {};
  auto unpremultiply = [a](std::uint32_t c) { return static_cast<std::uint8_t>((c * 255 + a / 2) / a); };
  return {unpremultiply((argb >> 16) & 0xFF), unpremultiply((argb >> 8) & 0xFF), unpremultiply(argb & 0xFF),
          a};
}

UIImage::UIImage(std::shared_ptr<class CGImage> image) : image_(std::move(image)) {}

CGSize UIImage::size() const {
  if (!image_) return {};
  return {static_cast<CGFloat>(image_->width()), static_cast<CGFloat>(image_->height())};
}

std::shared_ptr<UIImage> UIImage::imageWithContentsOfFile(const std::string& path) {
  if (!declaresAcceptableSize(path)) return nullptr;
  const CairoSurfaceHandle surface{cairo_image_surface_create_from_png(path.c_str())};
  std::shared_ptr<::tarnavel::CGImage> pixels = imageFromSurface(surface.get());
  return pixels ? std::make_shared<UIImage>(std::move(pixels)) : nullptr;
}

std::shared_ptr<UIImage> UIImage::imageNamed(const std::string& name) {
  if (!isSafeImageName(name)) return nullptr;
  ImageRegistry& reg = registry();
  std::lock_guard lock(reg.mutex);
  if (auto found = reg.registered.find(name); found != reg.registered.end()) return found->second;
  if (auto found = reg.cache.find(name); found != reg.cache.end()) return found->second;
  auto image = findInFolders(reg.folders, name);
  if (image) reg.cache.emplace(name, image);
  return image;
}

void UIImage::addImageSearchPath(const std::string& folder) {
  std::lock_guard lock(registry().mutex);
  registry().folders.push_back(folder);
}

void UIImage::registerImage(const std::string& name, std::shared_ptr<UIImage> image) {
  std::lock_guard lock(registry().mutex);
  if (image) {
    registry().registered.insert_or_assign(name, std::move(image));
  } else {
    registry().registered.erase(name);
  }
}

void UIImage::resetImageRegistry() {
  ImageRegistry& reg = registry();
  std::lock_guard lock(reg.mutex);
  reg.folders.clear();
  reg.registered.clear();
  reg.cache.clear();
}

}  // namespace tarnavel
