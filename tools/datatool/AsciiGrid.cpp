#include "AsciiGrid.h"

#include "YamlWrite.h"

#include <algorithm>
#include <map>

namespace {

// Characters for the dump's legend, none of which needs care in YAML
// literal blocks; the first three go to the commonest plain cells.
constexpr std::string_view LegendPool =
    "#.-abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+=*%@&$~^!?<>()[]{}/|;:";

std::vector<std::string> SplitRows(const std::string& art) {
    std::vector<std::string> rows;
    size_t start = 0;
    while (start < art.size()) {
        const auto end = art.find('\n', start);
        rows.push_back(
            art.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    while (!rows.empty() && rows.back().empty()) {
        rows.pop_back();
    }
    return rows;
}

std::map<std::string, TGridCell> ReadLegend(const TYamlNode& legend, size_t cellWidth,
                                            std::span<const std::string_view> fieldNames) {
    std::map<std::string, TGridCell> cells;
    for (const auto& [keyNode, value] : legend.Entries()) {
        const auto key = keyNode.Scalar();
        if (key.size() != cellWidth) {
            keyNode.Fail("legend key '" + key + "' is not " + std::to_string(cellWidth) +
                         " character(s) wide");
        }
        TGridCell cell{};
        for (const auto& [fieldKey, fieldValue] : value.Entries()) {
            const auto name = fieldKey.Scalar();
            size_t index = 0;
            while (index < fieldNames.size() && fieldNames[index] != name) {
                ++index;
            }
            if (index == fieldNames.size()) {
                fieldKey.Fail("unknown legend field '" + name + "'");
            }
            cell[index] = fieldValue.Number<std::uint8_t>();
        }
        cells[key] = cell;
    }
    return cells;
}

} // namespace

TSourceLocation GridRowLocation(const TYamlNode& owner, size_t y) {
    auto where = owner.Get("grid").Where();
    // A literal block starts on the line after its "|".
    where.line += 1 + static_cast<int>(y);
    return where;
}

TGridRows ReadAsciiGrid(const TYamlNode& owner, std::span<const std::string_view> fieldNames) {
    const auto cellWidth = owner.NumberAt<std::uint8_t>("cell_width", 1);
    if (cellWidth == 0) {
        owner.Get("cell_width").Fail("cell_width must be at least 1");
    }
    const auto legend = ReadLegend(owner.Get("legend"), cellWidth, fieldNames);
    const auto art = SplitRows(owner.Get("grid").Scalar());
    if (art.empty()) {
        owner.Get("grid").Fail("the grid has no rows");
    }
    TGridRows rows;
    for (size_t y = 0; y < art.size(); ++y) {
        const auto& line = art[y];
        const auto fail = [&](const std::string& message) {
            throw TSourceError(GridRowLocation(owner, y), message);
        };
        if (line.size() != art[0].size()) {
            fail("row " + std::to_string(y) + " is " + std::to_string(line.size()) +
                 " characters wide, row 0 is " + std::to_string(art[0].size()));
        }
        if (line.size() % cellWidth != 0) {
            fail("row width is not a multiple of cell_width");
        }
        std::vector<TGridCell> row;
        for (size_t x = 0; x < line.size(); x += cellWidth) {
            const auto key = line.substr(x, cellWidth);
            const auto cell = legend.find(key);
            if (cell == legend.end()) {
                fail("'" + key + "' at column " + std::to_string(x / cellWidth) +
                     " is not in the legend");
            }
            row.push_back(cell->second);
        }
        rows.push_back(std::move(row));
    }
    if (rows[0].size() > 0xFFFF || rows.size() > 0xFFFF) {
        owner.Get("grid").Fail("the grid is larger than 65535 squares a side");
    }
    return rows;
}

namespace {

std::string PreferredKey(const TGridCell& cell) {
    if (cell == TGridCell{}) {
        return "-";
    }
    if (cell[0] != 0 && cell[1] == 0 && cell[2] == 0) {
        return "#";
    }
    if (cell[0] == 0 && cell[1] == 0 && cell[2] != 0) {
        return ".";
    }
    return {};
}

using TLegend = std::vector<std::pair<TGridCell, std::string>>;

// Each distinct cell, in order of first appearance, with its key.
TLegend ChooseKeys(const TGridRows& rows, size_t fieldCount) {
    TLegend legend;
    for (const auto& row : rows) {
        for (auto cell : row) {
            std::fill(cell.begin() + static_cast<std::ptrdiff_t>(fieldCount), cell.end(), 0);
            if (std::none_of(legend.begin(), legend.end(),
                             [&](const auto& entry) { return entry.first == cell; })) {
                legend.emplace_back(cell, std::string());
            }
        }
    }
    if (legend.size() > LegendPool.size()) {
        // Several characters per cell, counting in the pool's characters.
        size_t width = 1;
        for (size_t kinds = LegendPool.size(); kinds < legend.size(); kinds *= LegendPool.size()) {
            ++width;
        }
        for (size_t n = 0; n < legend.size(); ++n) {
            std::string key(width, LegendPool[0]);
            for (size_t digit = width, rest = n; digit-- > 0; rest /= LegendPool.size()) {
                key[digit] = LegendPool[rest % LegendPool.size()];
            }
            legend[n].second = key;
        }
        return legend;
    }
    std::vector<bool> used(LegendPool.size());
    for (auto& [cell, key] : legend) {
        const auto preferred = PreferredKey(cell);
        if (!preferred.empty() && !used[LegendPool.find(preferred)]) {
            key = preferred;
            used[LegendPool.find(preferred)] = true;
        }
    }
    size_t next = 0;
    for (auto& [cell, key] : legend) {
        if (key.empty()) {
            while (used[next]) {
                ++next;
            }
            used[next] = true;
            key = std::string(1, LegendPool[next]);
        }
    }
    return legend;
}

} // namespace

void WriteAsciiGrid(YAML::Emitter& out, const TGridRows& rows,
                    std::span<const std::string_view> fieldNames) {
    const auto keys = ChooseKeys(rows, fieldNames.size());
    const auto cellWidth = keys.empty() ? 1 : keys.begin()->second.size();
    if (cellWidth != 1) {
        out << YAML::Key << "cell_width" << YAML::Value << static_cast<long long>(cellWidth);
    }
    out << YAML::Key << "legend" << YAML::Value << YAML::BeginMap;
    for (const auto& [cell, key] : keys) {
        out << YAML::Key << YAML::DoubleQuoted << key << YAML::Value << YAML::Flow
            << YAML::BeginMap;
        for (size_t i = 0; i < fieldNames.size(); ++i) {
            if (cell[i] != 0) {
                out << YAML::Key << std::string(fieldNames[i]) << YAML::Value
                    << static_cast<long long>(cell[i]);
            }
        }
        out << YAML::EndMap;
    }
    out << YAML::EndMap;
    const std::map<TGridCell, std::string> keyOf(keys.begin(), keys.end());
    std::string art;
    for (const auto& row : rows) {
        for (auto cell : row) {
            std::fill(cell.begin() + static_cast<std::ptrdiff_t>(fieldNames.size()), cell.end(), 0);
            art += keyOf.at(cell);
        }
        art += '\n';
    }
    // The literal block gives the last line break back.
    if (!art.empty()) {
        art.pop_back();
    }
    out << YAML::Key << "grid" << YAML::Value << YAML::Literal << art;
}
