#include "GraphicsSource.h"

#include "PeopleSource.h"
#include "YamlRead.h"

std::optional<TGraphicsSource> ReadGraphicsSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "graphics.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"graphics"});
    TGraphicsSource source;
    source.marks.where = root->Where();
    for (const auto& node : root->ListAt("graphics")) {
        node.AllowOnly({"number", "model", "swaps"});
        auto& graphics = source.graphics.emplace_back();
        graphics.grphNo = node.Get("number").Number<std::uint32_t>();
        graphics.modelName = node.Get("model").Text();
        if (graphics.modelName.size() > 255) {
            node.Get("model").Fail("the model name is longer than 255 Shift-JIS bytes");
        }
        if (const auto swaps = node.Find("swaps")) {
            for (const auto& [key, value] : swaps->Entries()) {
                const auto alternative = key.Integer(1, TGrphFile::SwapListCount);
                graphics.swapLists[static_cast<size_t>(alternative - 1)] =
                    swaps->JoinedTextAt(key.Scalar(), CommandLineBreak);
            }
        }
        source.marks.records.push_back(node.Where());
    }
    return source;
}
