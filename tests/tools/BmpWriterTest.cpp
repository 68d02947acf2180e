#include "modelgen/BmpWriter.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// 5 × 2: top row red then white, bottom row blue.
TImage Sample() {
    TImage image(5, 2, {0, 0, 255});
    image.FillRect(0, 0, 5, 1, {255, 255, 255});
    image.Set(0, 0, {255, 0, 0});
    return image;
}

TEST(BmpWriter, TrueColourHeaderAndPaddedRowsBottomUp) {
    const auto b = EncodeBmp(Sample(), TBmpDepth::Rgb24);
    const size_t row = 16; // 5 × 3 bytes padded to 4
    ASSERT_EQ(b.size(), 54 + 2 * row);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 14), 40u);
    EXPECT_EQ(U32(b, 18), 5u);
    EXPECT_EQ(U32(b, 22), 2u); // positive height: bottom-up
    EXPECT_EQ(U16(b, 26), 1);
    EXPECT_EQ(U16(b, 28), 24);
    EXPECT_EQ(U32(b, 30), 0u); // uncompressed
    EXPECT_EQ(U32(b, 34), 2 * row);
    // The first stored row is the bottom one, blue in B, G, R order.
    EXPECT_EQ(b[54], 255);
    EXPECT_EQ(b[55], 0);
    EXPECT_EQ(b[56], 0);
    EXPECT_EQ(b[54 + 15], 0); // padding
    // The top row starts with red.
    EXPECT_EQ(b[54 + row], 0);
    EXPECT_EQ(b[54 + row + 2], 255);
}

TEST(BmpWriter, PalettedHeaderSortedPaletteAndIndices) {
    const auto b = EncodeBmp(Sample(), TBmpDepth::Paletted8);
    const size_t palette = 3 * 4;
    const size_t row = 8; // 5 bytes padded to 4
    ASSERT_EQ(b.size(), 54 + palette + 2 * row);
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), 54 + palette);
    EXPECT_EQ(U16(b, 28), 8);
    EXPECT_EQ(U32(b, 46), 3u); // colours used
    // Ascending RGB: blue (0,0,255), red (255,0,0), white; stored B, G, R, 0.
    const std::vector<std::uint8_t> expectedPalette = {255, 0, 0,   0,   0,   0,
                                                       255, 0, 255, 255, 255, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 54 + palette), expectedPalette);
    const size_t pixels = 54 + palette;
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + pixels, b.end()),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 2, 2, 2, 0, 0, 0}));
}

TEST(BmpWriter, PaletteOfMoreThan256ColoursIsRefused) {
    TImage image(257, 1);
    for (int x = 0; x < 257; ++x) {
        image.Set(x, 0,
                  {static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(x / 256), 0});
    }
    EXPECT_THROW(EncodeBmp(image, TBmpDepth::Paletted8), std::invalid_argument);
    TImage full(256, 1);
    for (int x = 0; x < 256; ++x) {
        full.Set(x, 0, {static_cast<std::uint8_t>(x), 0, 0});
    }
    EXPECT_EQ(U32(EncodeBmp(full, TBmpDepth::Paletted8), 46), 256u);
}

} // namespace
