#include "platform/GameFiles.h"
#include "scene/Texturecontainer.h"
#include "scene/Textureimage.h"
#include "support/TempFolder.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TRgba {
    std::uint8_t r, g, b, a;
    bool operator==(const TRgba&) const = default;
};

// The test picture, top row first: runs of equal pixels for the Targa coder,
// a half-transparent white for the formats that carry alpha.
constexpr int PictureWidth = 3;
constexpr int PictureHeight = 2;
const std::array<TRgba, 6> Picture = {{{255, 0, 0, 255},
                                       {0, 255, 0, 255},
                                       {0, 255, 0, 255},
                                       {0, 0, 255, 255},
                                       {0, 0, 255, 255},
                                       {255, 255, 255, 128}}};

TRgba PictureAt(int x, int y) {
    return Picture[static_cast<size_t>(y * PictureWidth + x)];
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

struct TBitmapForm {
    int bits;
    bool topDown;
    bool bitFields;
};

std::vector<std::uint8_t> EncodeBitmap(const TBitmapForm& form) {
    const std::uint32_t infoSize = form.bitFields ? 56 : 40;
    const std::uint32_t paletteBytes = form.bits == 8 ? 6 * 4 : 0;
    const std::uint32_t offset = 14 + infoSize + paletteBytes;
    const std::uint32_t stride = (PictureWidth * form.bits + 31) / 32 * 4;
    std::vector<std::uint8_t> out{'B', 'M'};
    PutU32(out, offset + stride * PictureHeight);
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, infoSize);
    PutU32(out, PictureWidth);
    PutU32(out, static_cast<std::uint32_t>(form.topDown ? -PictureHeight : PictureHeight));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(form.bits));
    PutU32(out, form.bitFields ? 3 : 0);
    for (int i = 0; i < 3; ++i) {
        PutU32(out, 0);
    }
    PutU32(out, form.bits == 8 ? 6 : 0);
    PutU32(out, 0);
    if (form.bitFields) {
        const bool wide = form.bits == 32;
        PutU32(out, wide ? 0x00FF0000 : 0xF800);
        PutU32(out, wide ? 0x0000FF00 : 0x07E0);
        PutU32(out, wide ? 0x000000FF : 0x001F);
        PutU32(out, wide ? 0xFF000000 : 0);
    }
    if (form.bits == 8) {
        for (const TRgba& c : Picture) {
            out.insert(out.end(), {c.b, c.g, c.r, 0});
        }
    }
    for (int row = 0; row < PictureHeight; ++row) {
        const int y = form.topDown ? row : PictureHeight - 1 - row;
        const size_t start = out.size();
        for (int x = 0; x < PictureWidth; ++x) {
            const TRgba c = PictureAt(x, y);
            switch (form.bits) {
            case 8:
                out.push_back(static_cast<std::uint8_t>(y * PictureWidth + x));
                break;
            case 16:
                PutU16(out, form.bitFields ? (c.r >> 3) << 11 | (c.g >> 2) << 5 | c.b >> 3
                                           : (c.r >> 3) << 10 | (c.g >> 3) << 5 | c.b >> 3);
                break;
            case 24:
                out.insert(out.end(), {c.b, c.g, c.r});
                break;
            default:
                out.insert(out.end(),
                           {c.b, c.g, c.r, static_cast<std::uint8_t>(form.bitFields ? c.a : 0)});
            }
        }
        out.resize(start + stride, 0);
    }
    return out;
}

struct TTargaForm {
    int type;
    int bits;
    bool topDown;
    bool rightToLeft;
};

std::vector<std::uint8_t> EncodeTarga(const TTargaForm& form) {
    std::vector<std::uint8_t> out{2, 0, static_cast<std::uint8_t>(form.type), 0, 0, 0, 0, 0};
    PutU32(out, 0);
    PutU16(out, PictureWidth);
    PutU16(out, PictureHeight);
    out.push_back(static_cast<std::uint8_t>(form.bits));
    out.push_back(
        static_cast<std::uint8_t>((form.topDown ? 0x20 : 0) | (form.rightToLeft ? 0x10 : 0)));
    out.insert(out.end(), {'i', 'd'});
    std::vector<TRgba> order;
    for (int row = 0; row < PictureHeight; ++row) {
        for (int column = 0; column < PictureWidth; ++column) {
            order.push_back(PictureAt(form.rightToLeft ? PictureWidth - 1 - column : column,
                                      form.topDown ? row : PictureHeight - 1 - row));
        }
    }
    auto pixel = [&](const TRgba& c) {
        out.insert(out.end(), {c.b, c.g, c.r});
        if (form.bits == 32) {
            out.push_back(c.a);
        }
    };
    for (size_t i = 0; i < order.size();) {
        size_t run = 1;
        while (form.type == 10 && i + run < order.size() && order[i + run] == order[i]) {
            ++run;
        }
        if (form.type == 10) {
            out.push_back(static_cast<std::uint8_t>(run > 1 ? 0x80 | (run - 1) : 0));
        }
        pixel(order[i]);
        i += run;
    }
    return out;
}

TRgba TexelOf(const TTextureImage& image, int x, int y) {
    const auto* p = image.rgba.data() + (static_cast<size_t>(y) * PictureWidth + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

void ExpectPicture(const TTextureImage& image, bool alpha, const std::string& what) {
    ASSERT_EQ(image.width, PictureWidth) << what;
    ASSERT_EQ(image.height, PictureHeight) << what;
    EXPECT_EQ(image.hasAlpha, alpha) << what;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            TRgba expected = PictureAt(x, y);
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
    auto& registry = CD3DTextureManager::Instance();
    registry.Clear();
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
    registry.Clear();
}

} // namespace
