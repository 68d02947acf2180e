#include "village/Scriptline.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Mycpp.h"

namespace {

std::string LineText(const TScriptLine& line) {
    std::string text = line.command;
    for (const auto& argument : line.arguments) {
        text += "_" + argument;
    }
    return text;
}

} // namespace

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

std::int32_t ScriptArgument(const TScriptLine& line, size_t index, std::int32_t low,
                            std::int32_t high) {
    const std::string where = Sjis("命令 ") + LineText(line) + ": ";
    if (index >= line.arguments.size()) {
        throw TGameError(where + Sjis("引数が足りません"));
    }
    const std::string& token = line.arguments[index];
    const auto value = ScriptNumber(token);
    if (!value) {
        throw TGameError(where + "'" + token + Sjis("' は正しい数値ではありません"));
    }
    if (*value < low || *value > high) {
        throw TGameError(where + token + Sjis(" は ") + std::to_string(low) + Sjis(" から ") +
                         std::to_string(high) + Sjis(" のはずです"));
    }
    return *value;
}
