#pragma once

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"

#include <cstdint>
#include <string>
#include <vector>

// The block grid of a floor or village area: `height` rows of `width` packed
// block records, row 0 first. A grid without blocks is refused: nothing could
// stand on it, and empty rows would cost memory for no bytes of file.
template <typename TBlock>
std::vector<std::vector<TBlock>> ReadGrid(TDataReader& reader, std::uint16_t width,
                                          std::uint16_t height) {
    if (width == 0 || height == 0) {
        reader.FailContent(Sjis("大きさ ") + std::to_string(width) + " x " +
                           std::to_string(height) + Sjis(" にブロックがありません"));
    }
    const std::string what = Sjis("ブロック");
    reader.RequireRecords(size_t{width} * height, sizeof(TBlock), what);
    std::vector<std::vector<TBlock>> grid;
    grid.reserve(height);
    for (std::uint16_t y = 0; y < height; ++y) {
        grid.push_back(reader.ReadRecords<TBlock>(width, what));
    }
    return grid;
}

// Raises TGameError unless the grid has exactly `height` rows of `width`.
template <typename TBlock>
void WriteGrid(TDataWriter& writer, const std::vector<std::vector<TBlock>>& grid,
               std::uint16_t width, std::uint16_t height) {
    bool fits = grid.size() == height;
    for (const auto& row : grid) {
        fits = fits && row.size() == width;
    }
    if (!fits) {
        throw TGameError(Sjis("ブロックの並びが大きさ ") + std::to_string(width) + " x " +
                         std::to_string(height) + Sjis(" と合いません"));
    }
    for (const auto& row : grid) {
        writer.WriteRecords(row);
    }
}
