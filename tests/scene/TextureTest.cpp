#include "platform/GameFiles.h"
#include "scene/Texturecontainer.h"
#include "scene/Textureimage.h"
#include "support/PictureFiles.h"
#include "support/TempFolder.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The test picture, top row first: runs of equal pixels for the Targa coder,
// a half-transparent white for the formats that carry alpha.
constexpr int PictureWidth = 3;
constexpr int PictureHeight = 2;
const TTestPicture Picture{PictureWidth,
                           PictureHeight,
                           {{255, 0, 0, 255},
                            {0, 255, 0, 255},
                            {0, 255, 0, 255},
                            {0, 0, 255, 255},
                            {0, 0, 255, 255},
                            {255, 255, 255, 128}}};

std::vector<std::uint8_t> EncodeBitmap(const TBitmapForm& form) {
    return EncodeBitmap(Picture, form);
}
std::vector<std::uint8_t> EncodeTarga(const TTargaForm& form) {
    return EncodeTarga(Picture, form);
}

TTestRgba TexelOf(const TTextureImage& image, int x, int y) {
    const auto* p = image.rgba.data() + (static_cast<size_t>(y) * PictureWidth + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

void ExpectPicture(const TTextureImage& image, bool alpha, const std::string& what) {
    ASSERT_EQ(image.width, PictureWidth) << what;
    ASSERT_EQ(image.height, PictureHeight) << what;
    EXPECT_EQ(image.hasAlpha, alpha) << what;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            TTestRgba expected = Picture.At(x, y);
            if (!alpha) {
                expected.a = 255;
            }
            EXPECT_EQ(TexelOf(image, x, y), expected) << what << " at " << x << "," << y;
        }
    }
}

// Every cut of a good file fails cleanly; only the whole file decodes.
void ExpectCutsFail(const std::vector<std::uint8_t>& whole, auto decode, const std::string& what) {
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(decode(cut), TTextureFormatError) << what << " cut at " << length;
    }
}

TEST(Texture, BitmapsOfEveryDepthInBothRowOrders) {
    const std::vector<TBitmapForm> forms = {
        {8, false, false},  {8, true, false},  {16, false, false}, {16, true, true},
        {24, false, false}, {24, true, false}, {32, false, false}, {32, true, true}};
    for (const TBitmapForm& form : forms) {
        const std::string what = std::to_string(form.bits) + (form.topDown ? " top-down" : "") +
                                 (form.bitFields ? " bit fields" : "");
        const auto bytes = EncodeBitmap(form);
        const TTextureImage image = DecodeBitmap(bytes);
        EXPECT_EQ(image.bitsPerPixel, form.bits) << what;
        ExpectPicture(image, form.bits == 32 && form.bitFields, what);
        ExpectCutsFail(bytes, DecodeBitmap, what);
    }
}

TEST(Texture, TargaPlainAndRunLengthInEveryOrder) {
    for (const int type : {2, 10}) {
        for (const int bits : {24, 32}) {
            for (const bool topDown : {false, true}) {
                for (const bool rightToLeft : {false, true}) {
                    const std::string what = "type " + std::to_string(type) + " " +
                                             std::to_string(bits) + (topDown ? " top-down" : "") +
                                             (rightToLeft ? " right-to-left" : "");
                    const auto bytes = EncodeTarga({type, bits, topDown, rightToLeft});
                    ExpectPicture(DecodeTarga(bytes), bits == 32, what);
                    ExpectCutsFail(bytes, DecodeTarga, what);
                }
            }
        }
    }
}

TEST(Texture, PicturesThatCannotBeDecodedAreRefusedBeforeAllocating) {
    auto bitmap = EncodeBitmap({24, false, false});
    bitmap[18] = 0x00; // width 0x4000_0000 ...
    bitmap[21] = 0x40;
    EXPECT_THROW(DecodeBitmap(bitmap), TTextureFormatError);
    auto wideBitmap = EncodeBitmap({24, false, false});
    wideBitmap[18] = 0x00; // width 16384 with six pixels of data
    wideBitmap[19] = 0x40;
    EXPECT_THROW(DecodeBitmap(wideBitmap), TTextureFormatError);
    auto fourBit = EncodeBitmap({8, false, false});
    fourBit[28] = 4;
    EXPECT_THROW(DecodeBitmap(fourBit), TTextureFormatError);

    // A run-length Targa claiming 16384 x 16384 pixels from a few bytes.
    auto targa = EncodeTarga({10, 24, false, false});
    targa[12] = 0x00;
    targa[13] = 0x40;
    targa[14] = 0x00;
    targa[15] = 0x40;
    EXPECT_THROW(DecodeTarga(targa), TTextureFormatError);
    auto mapped = EncodeTarga({2, 24, false, false});
    mapped[2] = 1;
    EXPECT_THROW(DecodeTarga(mapped), TTextureFormatError);
}

TEST(Texture, RegistryLoadsEachNameOnceWhateverItsCaseOrSeparators) {
    TTempFolder folder;
    std::filesystem::create_directory("Obje");
    WriteWholeGameFile("Obje/Key.bmp", EncodeBitmap({24, false, false}));
    const TScopedInstance<CD3DTextureManager> textures;
    CD3DTextureManager& registry = *textures;
    std::ostringstream log;
    auto* const standardError = std::cerr.rdbuf(log.rdbuf());

    const TextureContainer& first = registry.Register("Obje\\Key.bmp");
    const TextureContainer& again = registry.Register("OBJE//key.BMP");
    EXPECT_EQ(&first, &again);
    EXPECT_TRUE(first.Loaded());
    EXPECT_EQ(first.Name(), "Obje\\Key.bmp");
    EXPECT_EQ(first.Width(), PictureWidth);
    EXPECT_EQ(first.BitsPerPixel(), 24);
    EXPECT_EQ(registry.Find("Obje/key.bmp"), &first);

    EXPECT_FALSE(registry.Register("Obje/none.tga").Loaded());
    EXPECT_FALSE(registry.Register("Obje/Key.png").Loaded());
    EXPECT_EQ(registry.All().size(), 3u);
    std::cerr.rdbuf(standardError);
    EXPECT_NE(log.str().find("Obje/none.tga: file not found"), std::string::npos) << log.str();
}

} // namespace
