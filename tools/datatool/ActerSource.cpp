#include "ActerSource.h"

#include "YamlRead.h"

std::optional<TActersSource> ReadActerSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "acters.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"acters"});
    TActersSource source;
    source.marks.where = root->Where();
    for (const auto& node : root->ListAt("acters")) {
        node.AllowOnly({"number", "object", "motions", "variant"});
        auto& acter = source.acters.emplace_back();
        acter.acterNo = node.Get("number").Number<std::uint32_t>();
        acter.objeNo = node.Get("object").Number<std::int32_t>();
        acter.motionList = node.JoinedTextAt("motions", ",");
        acter.variant = node.NumberAt<std::uint8_t>("variant", 0);
        source.marks.records.push_back(node.Where());
    }
    return source;
}
