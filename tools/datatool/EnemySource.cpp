#include "EnemySource.h"

#include "YamlRead.h"

std::optional<TEnemiesSource> ReadEnemySource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "enemies.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"enemies"});
    TEnemiesSource source;
    source.marks.where = root->Where();
    for (const auto& node : root->ListAt("enemies")) {
        node.AllowOnly({"id", "name", "acter", "unused"});
        auto& enemy = source.enemies.emplace_back();
        enemy.id = node.Get("id").Number<std::int32_t>();
        enemy.name = node.Get("name").Text();
        enemy.acterNo = node.Get("acter").Number<std::int32_t>();
        enemy.unused = node.NumbersAt<std::uint8_t, 3>("unused");
        source.marks.records.push_back(node.Where());
    }
    return source;
}
