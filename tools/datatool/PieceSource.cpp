#include "PieceSource.h"

#include "YamlRead.h"

namespace {

template <typename TPlan>
std::optional<TWOPlanFile<TPlan>> ReadSection(const TYamlNode& root, std::string_view key,
                                              TListMarks& marks) {
    const auto section = root.Find(key);
    if (!section) {
        return std::nullopt;
    }
    marks.where = section->Where();
    TWOPlanFile<TPlan> plans;
    for (const auto& node : section->Items()) {
        node.AllowOnly({"id", "body", "unused", "name"});
        auto& entry = plans.emplace_back();
        entry.plan.id = node.Get("id").Number<std::int32_t>();
        entry.plan.bodyNumber = node.NumberAt<std::int32_t>("body", 0);
        if constexpr (std::is_same_v<TPlan, TBigObjePlan>) {
            entry.plan.unused = node.NumberAt<std::int32_t>("unused", 0);
        } else if (node.Has("unused")) {
            node.Get("unused").Fail("only big objects have an 'unused' field");
        }
        entry.name = node.TextAt("name");
        marks.records.push_back(node.Where());
    }
    return plans;
}

} // namespace

std::optional<TPiecesSource> ReadPieceSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "pieces.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"walls", "big_objects", "floor_tiles"});
    TPiecesSource source;
    source.walls = ReadSection<TObjePlanMini>(*root, "walls", source.wallMarks);
    source.bigObjects = ReadSection<TBigObjePlan>(*root, "big_objects", source.bigObjectMarks);
    source.floarTiles = ReadSection<TObjePlanMini>(*root, "floor_tiles", source.floarTileMarks);
    return source;
}
