#include "village/Scriptline.h"

#include "world/Mycpp.h"

std::vector<TScriptLine> SplitScript(const std::string& text) {
    std::vector<TScriptLine> lines;
    for (auto line : SplitLines(text)) {
        ReplaceToCRLF(line, "_");
        auto tokens = SplitLines(line);
        TScriptLine parsed;
        if (!tokens.empty()) {
            parsed.command = std::move(tokens.front());
            parsed.arguments.assign(std::make_move_iterator(tokens.begin() + 1),
                                    std::make_move_iterator(tokens.end()));
        }
        lines.push_back(std::move(parsed));
    }
    return lines;
}

std::optional<std::int32_t> ScriptNumber(const std::string& token) {
    return WholeNumber<std::int32_t>(token);
}
