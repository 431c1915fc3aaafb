#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tarnavel/platform/geometry/Geometry.h"

namespace tarnavel {

/// One pixel with straight (not premultiplied) 8-bit channels.
struct RGBA8 {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(const RGBA8&, const RGBA8&) = default;
};

/// Decoded pixels: width x height, premultiplied ARGB in native 32-bit words, row after row.
class CGImage {
 public:
  CGImage(int width, int height, std::vector<std::uint32_t> premultipliedArgb);

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }
  /// The pixel at (x, y); a transparent pixel outside the image.
  RGBA8 pixelAt(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
};

/// An image in points (one pixel per point).
class UIImage {
 public:
  explicit UIImage(std::shared_ptr<::tarnavel::CGImage> image);

  /// The image registered under `name`, else the PNG `name` (or `name`.png) in a registered folder; cached.
  /// Null when there is none, or when the name is empty, absolute, climbs out of the folder with "..", or
  /// names a symbolic link that leads out of the folder.
  static std::shared_ptr<UIImage> imageNamed(const std::string& name);
  /// A PNG file read from disk; null when it cannot be read, or when its header declares more than 16,384
  /// pixels a side or 2^26 pixels in all (the renderer's image limits), which is refused before decoding.
  static std::shared_ptr<UIImage> imageWithContentsOfFile(const std::string& path);
  /// Adds a folder that `imageNamed` searches, after those added earlier.
  static void addImageSearchPath(const std::string& folder);
  /// Makes `imageNamed(name)` answer `image` (a null image removes the registration).
  static void registerImage(const std::string& name, std::shared_ptr<UIImage> image);
  /// Forgets the folders, registrations and cached images (for tests).
  static void resetImageRegistry();

  CGSize size() const;
  const std::shared_ptr<::tarnavel::CGImage>& CGImage() const { return image_; }

 private:
  std::shared_ptr<::tarnavel::CGImage> image_;
};

}  // namespace tarnavel
