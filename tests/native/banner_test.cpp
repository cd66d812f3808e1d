// The About banner drawn at run time looks exactly like the picture it
// replaced, which is kept as the reference.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "Banner.h"

namespace {

std::vector<std::uint8_t> ReadReference() {
  std::ifstream file(BRELIX_TEST_DATA "/banner.bmp", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(Banner, IsThePixelsOfTheReferencePicture) {
  const std::vector<std::uint8_t> reference = ReadReference();
  const TBannerImage banner = DrawBanner(96);
  ASSERT_EQ(reference.size(), 54u + static_cast<std::size_t>(banner.Stride) * kBannerHeight)
      << "a 298 x 81 bitmap of 24 bits per pixel";
  const std::vector<std::uint8_t>& drawn = banner.Pixels;
  ASSERT_EQ(drawn.size(), static_cast<std::size_t>(banner.Stride) * kBannerHeight);
  int differing = 0;
  for (std::size_t i = 0; i < drawn.size(); ++i) differing += drawn[i] != reference[54 + i] ? 1 : 0;
  EXPECT_EQ(differing, 0);
}

TEST(Banner, IsDrawnAtTheScreensSize) {
  for (const auto& [dpi, width, height] : {std::tuple{120, 373, 101}, std::tuple{144, 447, 122}, std::tuple{192, 596, 162}}) {
    const TBannerImage banner = DrawBanner(dpi);
    EXPECT_EQ(banner.Width, width) << dpi;
    EXPECT_EQ(banner.Height, height) << dpi;
    EXPECT_EQ(banner.Pixels.size(), static_cast<std::size_t>(banner.Stride) * height) << dpi;
  }
}

}  // namespace
