#pragma once

#include "YamlRead.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>
#include <yaml-cpp/yaml.h>

// One square of a drawn grid: up to three bytes (wall piece, room, floor
// tile), named by the grid's field names.
using TGridCell = std::array<std::uint8_t, 3>;
using TGridRows = std::vector<std::vector<TGridCell>>;

// A floor or village area drawn as ASCII art:
//   legend: {"#": {wall: 1}, ".": {tile: 1}}
//   grid: |
//     ###
//     #.#
// Every cell is `cell_width` characters (1 unless given) and stands for the
// legend entry of those characters; all rows have the same width.
TGridRows ReadAsciiGrid(const TYamlNode& owner, std::span<const std::string_view> fieldNames);
// The grid of a record, where its row `y` is drawn (for complaints).
TSourceLocation GridRowLocation(const TYamlNode& owner, size_t y);

// Writes `legend` and `grid` keys into the open map of `out`, choosing a
// character per distinct cell (two per cell when there are too many kinds).
void WriteAsciiGrid(YAML::Emitter& out, const TGridRows& rows,
                    std::span<const std::string_view> fieldNames);
