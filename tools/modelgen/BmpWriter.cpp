#include "modelgen/BmpWriter.h"

#include "modelgen/OutputFile.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <tuple>

namespace {

#pragma pack(push, 1)
struct TBmpFileHeader {
    std::uint16_t type = 0x4D42; // "BM"
    std::uint32_t fileSize = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t pixelOffset = 0;
};
static_assert(sizeof(TBmpFileHeader) == 14);

struct TBmpInfoHeader {
    std::uint32_t headerSize = 40;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: rows bottom-up
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0; // BI_RGB
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMeter = 2835; // 72 dpi
    std::int32_t yPixelsPerMeter = 2835;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
};
static_assert(sizeof(TBmpInfoHeader) == 40);
#pragma pack(pop)

bool Less(TRgb a, TRgb b) {
    return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
}

std::vector<TRgb> PaletteOf(const TImage& image) {
    std::vector<TRgb> colours;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            colours.push_back(image.At(x, y));
        }
    }
    std::sort(colours.begin(), colours.end(), Less);
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    if (colours.size() > 256) {
        throw std::invalid_argument(
            "a paletted bitmap holds at most 256 colours, the picture has " +
            std::to_string(colours.size()));
    }
    return colours;
}

template <typename T> void Put(std::vector<std::uint8_t>& bytes, const T& record) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&record);
    bytes.insert(bytes.end(), p, p + sizeof(T));
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const TImage& image, TBmpDepth depth) {
    const bool paletted = depth == TBmpDepth::Paletted8;
    const std::vector<TRgb> palette = paletted ? PaletteOf(image) : std::vector<TRgb>{};
    const int bytesPerPixel = paletted ? 1 : 3;
    const std::uint32_t rowSize =
        (static_cast<std::uint32_t>(image.Width()) * bytesPerPixel + 3) & ~3u;
    const std::uint32_t paletteSize = static_cast<std::uint32_t>(palette.size()) * 4;

    TBmpFileHeader file;
    TBmpInfoHeader info;
    info.width = image.Width();
    info.height = image.Height();
    info.bitCount = paletted ? 8 : 24;
    info.imageSize = rowSize * static_cast<std::uint32_t>(image.Height());
    info.coloursUsed = static_cast<std::uint32_t>(palette.size());
    file.pixelOffset = sizeof(TBmpFileHeader) + sizeof(TBmpInfoHeader) + paletteSize;
    file.fileSize = file.pixelOffset + info.imageSize;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(file.fileSize);
    Put(bytes, file);
    Put(bytes, info);
    for (const TRgb c : palette) {
        bytes.insert(bytes.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = image.Height() - 1; y >= 0; --y) {
        const size_t rowStart = bytes.size();
        for (int x = 0; x < image.Width(); ++x) {
            const TRgb c = image.At(x, y);
            if (paletted) {
                const auto it = std::lower_bound(palette.begin(), palette.end(), c, Less);
                bytes.push_back(static_cast<std::uint8_t>(it - palette.begin()));
            } else {
                bytes.insert(bytes.end(), {c.b, c.g, c.r});
            }
        }
        bytes.resize(rowStart + rowSize, 0);
    }
    return bytes;
}

void WriteBmp(const std::string& path, const TImage& image, TBmpDepth depth) {
    const auto bytes = EncodeBmp(image, depth);
    WriteOutputFile(path, std::string(bytes.begin(), bytes.end()));
}
