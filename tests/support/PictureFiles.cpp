#include "support/PictureFiles.h"

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

} // namespace

std::vector<std::uint8_t> EncodeBitmap(const TTestPicture& picture, const TBitmapForm& form) {
    const auto count = static_cast<std::uint32_t>(picture.pixels.size());
    const std::uint32_t infoSize = form.bitFields ? 56 : 40;
    const std::uint32_t paletteBytes = form.bits == 8 ? count * 4 : 0;
    const std::uint32_t offset = 14 + infoSize + paletteBytes;
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t stride = (width * static_cast<std::uint32_t>(form.bits) + 31) / 32 * 4;
    std::vector<std::uint8_t> out{'B', 'M'};
    PutU32(out, offset + stride * height);
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, infoSize);
    PutU32(out, width);
    PutU32(out, form.topDown ? static_cast<std::uint32_t>(-picture.height) : height);
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(form.bits));
    PutU32(out, form.bitFields ? 3 : 0);
    for (int i = 0; i < 3; ++i) {
        PutU32(out, 0);
    }
    PutU32(out, form.bits == 8 ? count : 0);
    PutU32(out, 0);
    if (form.bitFields) {
        const bool wide = form.bits == 32;
        PutU32(out, wide ? 0x00FF0000 : 0xF800);
        PutU32(out, wide ? 0x0000FF00 : 0x07E0);
        PutU32(out, wide ? 0x000000FF : 0x001F);
        PutU32(out, wide ? 0xFF000000 : 0);
    }
    if (form.bits == 8) {
        for (const TTestRgba& c : picture.pixels) {
            out.insert(out.end(), {c.b, c.g, c.r, 0});
        }
    }
    for (int row = 0; row < picture.height; ++row) {
        const int y = form.topDown ? row : picture.height - 1 - row;
        const std::size_t start = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const TTestRgba c = picture.At(x, y);
            switch (form.bits) {
            case 8:
                // Each pixel has its own palette entry.
                out.push_back(static_cast<std::uint8_t>(y * picture.width + x));
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

std::vector<std::uint8_t> EncodeTarga(const TTestPicture& picture, const TTargaForm& form) {
    std::vector<std::uint8_t> out{2, 0, static_cast<std::uint8_t>(form.type), 0, 0, 0, 0, 0};
    PutU32(out, 0);
    PutU16(out, static_cast<std::uint32_t>(picture.width));
    PutU16(out, static_cast<std::uint32_t>(picture.height));
    out.push_back(static_cast<std::uint8_t>(form.bits));
    out.push_back(
        static_cast<std::uint8_t>((form.topDown ? 0x20 : 0) | (form.rightToLeft ? 0x10 : 0)));
    // The two bytes of image identification the header announces.
    out.insert(out.end(), {'i', 'd'});
    std::vector<TTestRgba> order;
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < picture.width; ++column) {
            order.push_back(picture.At(form.rightToLeft ? picture.width - 1 - column : column,
                                       form.topDown ? row : picture.height - 1 - row));
        }
    }
    for (std::size_t i = 0; i < order.size();) {
        std::size_t run = 1;
        while (form.type == 10 && run < 128 && i + run < order.size() &&
               order[i + run] == order[i]) {
            ++run;
        }
        if (form.type == 10) {
            out.push_back(static_cast<std::uint8_t>(run > 1 ? 0x80 | (run - 1) : 0));
        }
        const TTestRgba& c = order[i];
        out.insert(out.end(), {c.b, c.g, c.r});
        if (form.bits == 32) {
            out.push_back(c.a);
        }
        i += run;
    }
    return out;
}
