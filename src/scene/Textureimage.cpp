#include "scene/Textureimage.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

namespace {

// Bounds-checked little-endian access to the bytes of a picture file.
class TPictureBytes {
public:
    explicit TPictureBytes(const std::vector<std::uint8_t>& content) : bytes(content) {}

    void Need(std::uint64_t offset, std::uint64_t count, const char* what) const {
        if (offset > bytes.size() || count > bytes.size() - offset) {
            throw TTextureFormatError(std::string("file ends inside ") + what);
        }
    }
    std::uint8_t U8(size_t offset) const {
        Need(offset, 1, "the header");
        return bytes[offset];
    }
    std::uint16_t U16(size_t offset) const {
        Need(offset, 2, "the header");
        return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
    }
    std::uint32_t U32(size_t offset) const {
        Need(offset, 4, "the header");
        std::uint32_t value = 0;
        std::memcpy(&value, bytes.data() + offset, 4);
        return value;
    }
    const std::uint8_t* At(size_t offset) const { return bytes.data() + offset; }
    size_t Size() const { return bytes.size(); }

private:
    const std::vector<std::uint8_t>& bytes;
};

void RequireSide(std::int64_t side, const char* what) {
    if (side <= 0 || side > MaxTextureSide) {
        throw TTextureFormatError(std::string("unsupported ") + what + " " + std::to_string(side));
    }
}

TTextureImage Blank(int width, int height, int bits, bool alpha) {
    TTextureImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bits;
    image.hasAlpha = alpha;
    image.rgba.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 255);
    return image;
}

void Put(TTextureImage& image, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b,
         std::uint8_t a) {
    std::uint8_t* texel =
        image.rgba.data() +
        (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 4;
    texel[0] = r;
    texel[1] = g;
    texel[2] = b;
    texel[3] = a;
}

// One colour channel of a bit-field pixel, widened to 8 bits.
class TChannelMask {
public:
    explicit TChannelMask(std::uint32_t bits)
        : mask(bits), shift(bits ? std::countr_zero(bits) : 0),
          maximum(bits ? (bits >> shift) : 0) {}

    std::uint8_t Of(std::uint32_t pixel, std::uint8_t absent) const {
        if (maximum == 0) {
            return absent;
        }
        const std::uint32_t value = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>((static_cast<std::uint64_t>(value) * 255 + maximum / 2) /
                                         maximum);
    }
    bool Present() const { return mask != 0; }

private:
    std::uint32_t mask;
    int shift;
    std::uint32_t maximum;
};

// ---- Windows bitmaps ----

constexpr size_t FileHeaderSize = 14;
constexpr std::uint32_t PlainRgb = 0;
constexpr std::uint32_t BitFields = 3;

} // namespace

TTextureImage DecodeBitmap(const std::vector<std::uint8_t>& content) {
    const TPictureBytes file(content);
    if (file.Size() < 2 || content[0] != 'B' || content[1] != 'M') {
        throw TTextureFormatError("not a Windows bitmap (no \"BM\")");
    }
    const std::uint32_t pixelOffset = file.U32(10);
    const std::uint32_t infoSize = file.U32(14);
    if (infoSize < 40) {
        throw TTextureFormatError("unsupported bitmap header of " + std::to_string(infoSize) +
                                  " bytes");
    }
    const auto width = static_cast<std::int32_t>(file.U32(18));
    const auto signedHeight = static_cast<std::int64_t>(static_cast<std::int32_t>(file.U32(22)));
    const int bits = file.U16(28);
    const std::uint32_t compression = file.U32(30);
    const std::uint32_t paletteUsed = file.U32(46);
    const bool topDown = signedHeight < 0;
    const std::int64_t height = topDown ? -signedHeight : signedHeight;
    RequireSide(width, "width");
    RequireSide(height, "height");
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        throw TTextureFormatError("unsupported bitmap depth of " + std::to_string(bits) + " bits");
    }
    if (compression != PlainRgb && !(compression == BitFields && (bits == 16 || bits == 32))) {
        throw TTextureFormatError("unsupported bitmap compression " + std::to_string(compression));
    }

    // Bit fields follow a 40-byte header and sit inside the longer ones.
    TChannelMask red(0x7C00), green(0x03E0), blue(0x001F), alpha(0);
    if (bits == 32) {
        red = TChannelMask(0x00FF0000);
        green = TChannelMask(0x0000FF00);
        blue = TChannelMask(0x000000FF);
    }
    if (compression == BitFields) {
        red = TChannelMask(file.U32(FileHeaderSize + 40));
        green = TChannelMask(file.U32(FileHeaderSize + 44));
        blue = TChannelMask(file.U32(FileHeaderSize + 48));
        if (infoSize >= 56) {
            alpha = TChannelMask(file.U32(FileHeaderSize + 52));
        }
    }

    std::vector<std::uint8_t> palette;
    if (bits == 8) {
        const std::uint32_t entries = paletteUsed == 0 || paletteUsed > 256 ? 256 : paletteUsed;
        const size_t paletteStart = FileHeaderSize + infoSize;
        file.Need(paletteStart, std::uint64_t{entries} * 4, "the palette");
        palette.assign(file.At(paletteStart), file.At(paletteStart) + entries * 4);
    }

    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    file.Need(pixelOffset, stride * static_cast<std::uint64_t>(height), "the pixels");

    const int w = width;
    const int h = static_cast<int>(height);
    TTextureImage image = Blank(w, h, bits, alpha.Present());
    for (int row = 0; row < h; ++row) {
        const std::uint8_t* line = file.At(pixelOffset + stride * static_cast<std::uint64_t>(row));
        const int y = topDown ? row : h - 1 - row;
        for (int x = 0; x < w; ++x) {
            if (bits == 8) {
                const size_t entry = static_cast<size_t>(line[x]) * 4;
                if (entry + 4 > palette.size()) {
                    Put(image, x, y, 0, 0, 0, 255);
                } else {
                    Put(image, x, y, palette[entry + 2], palette[entry + 1], palette[entry], 255);
                }
            } else if (bits == 24) {
                const std::uint8_t* p = line + x * 3;
                Put(image, x, y, p[2], p[1], p[0], 255);
            } else {
                std::uint32_t pixel = 0;
                std::memcpy(&pixel, line + x * (bits / 8), static_cast<size_t>(bits / 8));
                Put(image, x, y, red.Of(pixel, 0), green.Of(pixel, 0), blue.Of(pixel, 0),
                    alpha.Of(pixel, 255));
            }
        }
    }
    return image;
}

// ---- Targa ----

namespace {

constexpr size_t TargaHeaderSize = 18;
constexpr std::uint8_t TargaTrueColour = 2;
constexpr std::uint8_t TargaRunLength = 10;
// A run packet (a header byte and one pixel of at least three bytes) expands
// to 128 pixels at most.
constexpr std::uint64_t MaxPixelsPerByte = 32;

} // namespace

TTextureImage DecodeTarga(const std::vector<std::uint8_t>& content) {
    const TPictureBytes file(content);
    file.Need(0, TargaHeaderSize, "the header");
    const std::uint8_t idLength = file.U8(0);
    const std::uint8_t colourMapType = file.U8(1);
    const std::uint8_t type = file.U8(2);
    const std::uint16_t colourMapLength = file.U16(5);
    const std::uint8_t colourMapBits = file.U8(7);
    const int width = file.U16(12);
    const int height = file.U16(14);
    const int bits = file.U8(16);
    const std::uint8_t descriptor = file.U8(17);
    if (type != TargaTrueColour && type != TargaRunLength) {
        throw TTextureFormatError("unsupported Targa image type " + std::to_string(type));
    }
    if (bits != 24 && bits != 32) {
        throw TTextureFormatError("unsupported Targa depth of " + std::to_string(bits) + " bits");
    }
    RequireSide(width, "width");
    RequireSide(height, "height");

    size_t at = TargaHeaderSize + idLength;
    if (colourMapType != 0) {
        at += static_cast<size_t>(colourMapLength) * ((colourMapBits + 7u) / 8u);
    }
    const size_t pixelBytes = static_cast<size_t>(bits / 8);
    const std::uint64_t total =
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
    if (type == TargaTrueColour) {
        file.Need(at, total * pixelBytes, "the pixels");
    } else if (at > file.Size() || total > (file.Size() - at) * MaxPixelsPerByte) {
        throw TTextureFormatError("file ends inside the pixels");
    }

    const bool topDown = (descriptor & 0x20) != 0;
    const bool rightToLeft = (descriptor & 0x10) != 0;
    TTextureImage image = Blank(width, height, bits, bits == 32);
    std::uint64_t done = 0;
    auto place = [&](const std::uint8_t* p) {
        const int row = static_cast<int>(done / static_cast<std::uint64_t>(width));
        const int column = static_cast<int>(done % static_cast<std::uint64_t>(width));
        const int y = topDown ? row : height - 1 - row;
        const int x = rightToLeft ? width - 1 - column : column;
        Put(image, x, y, p[2], p[1], p[0], bits == 32 ? p[3] : 255);
        ++done;
    };
    while (done < total) {
        std::uint64_t count = 1;
        bool run = false;
        if (type == TargaRunLength) {
            const std::uint8_t packet = file.U8(at++);
            run = (packet & 0x80) != 0;
            count = std::min<std::uint64_t>((packet & 0x7Fu) + 1u, total - done);
        }
        if (run) {
            file.Need(at, pixelBytes, "a run of pixels");
            for (std::uint64_t i = 0; i < count; ++i) {
                place(file.At(at));
            }
            at += pixelBytes;
        } else {
            file.Need(at, count * pixelBytes, "the pixels");
            for (std::uint64_t i = 0; i < count; ++i) {
                place(file.At(at));
                at += pixelBytes;
            }
        }
    }
    return image;
}
