// Rendering to files and to pixels: formats by extension, page sizes, and failures reported as exceptions.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>

#include "RenderingTestSupport.h"
#include "tarnavel/platform/foundation/NSException.h"
#include "tarnavel/platform/layers/CAGradientLayer.h"
#include "tarnavel/platform/views/UILabel.h"

namespace tarnavel {
namespace {

using namespace tarnavel::testing;

std::filesystem::path outputFolder() {
  const std::filesystem::path folder = std::filesystem::path(TARNAVEL_TEST_OUTPUT) / "render";
  std::filesystem::create_directories(folder);
  return folder;
}

std::string fileStart(const std::filesystem::path& file, std::size_t length) {
  std::ifstream in(file, std::ios::binary);
  std::string start(length, '\0');
  in.read(start.data(), static_cast<std::streamsize>(length));
  start.resize(static_cast<std::size_t>(in.gcount()));
  return start;
}

std::shared_ptr<UIView> labelledPage() {
  auto page = makeView(CGRectMake(0, 0, 120, 40), UIColor::whiteColor());
  auto label = std::make_shared<UILabel>(CGRectMake(10, 10, 100, 20));
  label->setText("Written");
  page->addSubview(label);
  return page;
}

void expectInvalidArgument(const std::function<void()>& render, const char* reason = nullptr) {
  try {
    render();
    ADD_FAILURE() << "no exception";
  } catch (const NSException& e) {
    EXPECT_EQ(e.name(), NSInvalidArgumentException);
    EXPECT_EQ(e.reason(), reason ? reason : e.reason());
  }
}

TEST(RenderOutput, WritesEachFormatByItsExtensionAndRaisesInvalidArgumentOtherwise) {
  struct Case {
    std::filesystem::path file;
    const char* start;  // null: no such format, or nowhere to write
  };
  const auto folder = outputFolder();
  for (const Case& c : {Case{folder / "page.png", "\x89PNG"}, Case{folder / "page.svg", "<?xm"},
                        Case{folder / "page.pdf", "%PDF"}, Case{folder / "PAGE.PDF", "%PDF"},
                        Case{folder / "page.bmp", nullptr}, Case{folder / "page", nullptr},
                        Case{folder / "missing-folder" / "page.png", nullptr},
                        Case{folder / "missing-folder" / "page.pdf", nullptr}}) {
    SCOPED_TRACE(c.file);
    std::filesystem::remove(c.file);
    if (!c.start) {
      expectInvalidArgument([&] { render(*labelledPage(), c.file.string()); });
      continue;
    }
    render(*labelledPage(), c.file.string());
    EXPECT_EQ(fileStart(c.file, 4), c.start);
    EXPECT_GT(std::filesystem::file_size(c.file), 200u);
  }
}

TEST(RenderOutput, PngHoldsThePixelsAtTheScaleOverTheBackgroundAsked) {
  const std::filesystem::path file = outputFolder() / "scaled.png";
  RenderOptions options;
  options.scale = 2;
  options.background = rgb(0, 1, 0);
  auto page = makeView(CGRectMake(0, 0, 30, 20));
  page->addSubview(makeView(CGRectMake(0, 0, 10, 10), rgb(1, 0, 0)));
  render(*page, file.string(), options);
  const auto image = UIImage::imageWithContentsOfFile(file.string());
  ASSERT_TRUE(image);
  EXPECT_EQ(image->size(), CGSizeMake(60, 40));
  expectPixels(*image->CGImage(), {{19, 19, kRed}, {21, 21, kGreen}});
  EXPECT_EQ(pixelsOf(*page)->pixelAt(25, 15).a, 0) << "no background unless asked";
}

TEST(RenderOutput, EitherPngCompressionReadsBackAsRenderedAndAnOpaquePageHasNoAlphaChannel) {
  // Opaque, translucent and transparent areas, and below them a strip turning from orange to blue as it
  // grows opaque: the file holds straight colours, the renderer premultiplied, and every pixel comes back
  // as it was. The colour type in the header (byte 25): 2 for red-green-blue, 6 with alpha.
  auto page = makeView(CGRectMake(0, 0, 40, 30));
  page->addSubview(makeView(CGRectMake(0, 0, 20, 20), rgb(0.2, 0.6, 0.9)));
  page->addSubview(makeView(CGRectMake(20, 0, 10, 20), UIColor::colorWithRed(1, 0.5, 0, 0.4)));
  auto strip = CAGradientLayer::layer();
  strip->setFrame(CGRectMake(0, 20, 40, 10));
  strip->colors = {UIColor::colorWithRed(1, 0.5, 0, 0.75)->CGColor(), rgb(0, 0.5, 1)->CGColor()};
  strip->startPoint = {0, 0.5};
  strip->endPoint = {1, 0.5};
  page->layer()->addSublayer(strip);
  for (const bool withBackground : {true, false}) {
    RenderOptions options;
    options.background = withBackground ? UIColor::whiteColor() : nullptr;
    const auto rendered = renderToImage(*page, options);
    std::uintmax_t sizes[2] = {};
    for (const PngCompression compression : {PngCompression::Fast, PngCompression::Smallest}) {
      const bool fast = compression == PngCompression::Fast;
      SCOPED_TRACE(std::string(withBackground ? "opaque " : "translucent ") + (fast ? "fast" : "smallest"));
      options.pngCompression = compression;
      const std::filesystem::path file = outputFolder() / (fast ? "fast.png" : "smallest.png");
      render(*page, file.string(), options);
      EXPECT_EQ(fileStart(file, 26).back(), withBackground ? '\x02' : '\x06');
      const auto image = UIImage::imageWithContentsOfFile(file.string());
      ASSERT_TRUE(image);
      for (const int x : {5, 25, 35})
        EXPECT_TRUE(pixelNear(*image->CGImage(), x, 5, rendered->pixelAt(x, 5), 1));
      EXPECT_EQ(image->CGImage()->pixels(), rendered->pixels());
      sizes[fast ? 0 : 1] = std::filesystem::file_size(file);
    }
    EXPECT_LE(sizes[1], sizes[0]) << "asking for the smallest file gives no larger one";
  }
}

TEST(RenderOutput, ImageSizeFollowsBoundsAndScaleWithinLimits) {
  struct Case {
    CGSize size;
    double scale;
    int width;
    int height;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Case& c : {Case{{30, 20}, 1, 30, 20}, Case{{30, 20}, 2, 60, 40}, Case{{10.25, 3.5}, 2, 21, 7},
                        Case{{30, 20}, 0, 30, 20}, Case{{30, 20}, nan, 30, 20}, Case{{0, 0}, 2, 1, 1},
                        Case{{100000, 10}, 1, 16384, 2}, Case{{10, 100000}, 2, 2, 16384},
                        Case{{100, 50}, 1e-300, 1, 1}, Case{{1000, 1}, 1e300, 16384, 17}}) {
    SCOPED_TRACE(::testing::Message() << c.size.width << " x " << c.size.height << " at " << c.scale);
    auto page = makeView(CGRectMake(0, 0, c.size.width, c.size.height), UIColor::whiteColor());
    const auto image = pixelsOf(*page, c.scale);
    EXPECT_EQ(image->width(), c.width);
    EXPECT_EQ(image->height(), c.height);
  }
}

TEST(RenderOutput, OverLargePagesAreDrawnWhole) {
  // Drawn at scale 1 such pages were cut at the limit, or lay beyond Cairo's coordinates and drew nothing:
  // scaled down, the far end of the page still shows.
  for (const CGSize size : {CGSizeMake(100000, 1000), CGSizeMake(1e8, 1e6)}) {
    SCOPED_TRACE(::testing::Message() << size.width << " x " << size.height);
    auto page = makeView(CGRectMake(0, 0, size.width, size.height), rgb(1, 1, 1));
    page->addSubview(makeView(CGRectMake(size.width * 0.9, 0, size.width * 0.1, size.height), rgb(0, 0, 1)));
    const auto image = pixelsOf(*page);
    ASSERT_EQ(image->width(), 16384);
    expectPixels(*image, {{16380, image->height() / 2, kBlue}, {100, image->height() / 2, kWhite}});
    const std::filesystem::path file = outputFolder() / "over-large.pdf";
    render(*page, file.string());
    EXPECT_GT(std::filesystem::file_size(file), 200u);
  }
  auto huge = makeView(CGRectMake(0, 0, 1e13, 10), rgb(1, 1, 1));
  expectInvalidArgument(
      [&] { pixelsOf(*huge); },
      "cannot render a view of 10000000000000 x 10 points: a side may be at most 1000000000000");
}

TEST(RenderOutput, ExtremeScalesAreDrawnWithinTheLimits) {
  // Once an "invalid matrix" from Cairo. A short page, so that the largest scale stops at the side limit.
  auto page = makeView(CGRectMake(0, 0, 120, 12), rgb(1, 1, 1));
  page->addSubview(makeView(CGRectMake(60, 0, 60, 12), rgb(0, 0, 1)));
  const auto large = pixelsOf(*page, 1e300);
  EXPECT_EQ(large->width(), 16384);
  expectPixels(*large, {{16000, 100, kBlue}, {100, 100, kWhite}});
  for (const double scale : {1e-300, 1e-12}) {
    SCOPED_TRACE(scale);
    std::shared_ptr<CGImage> small;
    EXPECT_NO_THROW(small = pixelsOf(*labelledPage(), scale));
    EXPECT_EQ(small ? small->width() : 0, 1);
  }
}

}  // namespace
}  // namespace tarnavel
