#include "TownSource.h"

#include "AsciiGrid.h"
#include "YamlRead.h"

std::optional<TTownSource> ReadTownSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "town.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"areas"});
    TTownSource source;
    for (const auto& node : root->ListAt("areas")) {
        node.AllowOnly({"legend", "grid", "cell_width", "objects", "floor_actors"});
        auto& marks = source.marks.emplace_back();
        marks.where = node.Where();
        auto& area = source.areas.emplace_back();
        for (const auto& row : ReadAsciiGrid(node, TownGridFields)) {
            auto& blocks = area.grid.emplace_back();
            for (const auto& cell : row) {
                blocks.push_back({cell[0], cell[1]});
            }
            marks.gridRows.push_back(GridRowLocation(node, marks.gridRows.size()));
        }
        area.height = static_cast<std::uint16_t>(area.grid.size());
        area.width = static_cast<std::uint16_t>(area.grid[0].size());
        for (const auto& item : node.ListAt("objects")) {
            area.objects.push_back(ReadBlockObje(item, TownNames));
            marks.objects.push_back(item.Where());
        }
        for (const auto& item : node.ListAt("floor_actors")) {
            area.floarActers.push_back(ReadBlockFloar(item, TownNames));
            marks.floarActers.push_back(item.Where());
        }
    }
    return source;
}
