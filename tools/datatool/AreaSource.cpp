#include "AreaSource.h"

#include "YamlRead.h"

std::optional<TAreasSource> ReadAreaSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "areas.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"areas"});
    TAreasSource source;
    source.marks.where = root->Where();
    for (const auto& node : root->ListAt("areas")) {
        node.AllowOnly({"name", "stages", "unused"});
        auto& area = source.areas.emplace_back();
        area.name = node.Get("name").Text();
        area.unused = node.NumberAt<std::uint8_t>("unused", 0);
        for (const auto& stage : node.ListAt("stages")) {
            area.stageNumbers.push_back(stage.Number<std::uint8_t>());
        }
        source.marks.records.push_back(node.Where());
    }
    return source;
}
