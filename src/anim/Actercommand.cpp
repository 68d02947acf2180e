#include "anim/Actercommand.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Mycpp.h"

#include <algorithm>

namespace {

[[noreturn]] void NotANumber(const std::string& token) {
    throw TGameError("'" + token + Sjis("' は正しい数値ではありません"));
}

template <typename T> T NumberOf(const std::string& token) {
    const std::optional<T> value = WholeNumber<T>(token);
    if (!value) {
        NotANumber(token);
    }
    return *value;
}

struct TCommandName {
    std::string_view name;
    TActerCommand::TKind kind;
    size_t numbers;
};

constexpr TCommandName CommandNames[] = {
    {"Scale", TActerCommand::TKind::Scale, 3}, {"Move", TActerCommand::TKind::Move, 3},
    {"XRota", TActerCommand::TKind::XRota, 1}, {"YRota", TActerCommand::TKind::YRota, 1},
    {"ZRota", TActerCommand::TKind::ZRota, 1},
};

} // namespace

std::vector<std::string> ActerCommandTokens(std::string_view line) {
    std::string items(line);
    for (const char* separator : {"<", ">", ","}) {
        ReplaceToCRLF(items, separator);
    }
    std::vector<std::string> tokens = SplitLines(items);
    for (std::string& token : tokens) {
        token = std::string(TrimBlanks(token));
    }
    return tokens;
}

TActerCommand ParseActerCommand(std::string_view line) {
    const std::vector<std::string> tokens = ActerCommandTokens(line);
    TActerCommand command;
    if (std::all_of(tokens.begin(), tokens.end(), [](const auto& t) { return t.empty(); })) {
        return command;
    }
    command.kind = TActerCommand::TKind::Invalid;
    const int partNo = NumberOf<int>(tokens[0]);
    if (tokens.size() < 2) {
        return command;
    }
    const auto name = std::find_if(std::begin(CommandNames), std::end(CommandNames),
                                   [&](const TCommandName& c) { return c.name == tokens[1]; });
    if (name == std::end(CommandNames) || tokens.size() < 2 + name->numbers || partNo < 0) {
        return command;
    }
    command.kind = name->kind;
    command.part = partNo == 0 ? 0 : static_cast<size_t>(partNo) - 1;
    command.a = NumberOf<float>(tokens[2]);
    if (name->numbers == 3) {
        command.b = NumberOf<float>(tokens[3]);
        command.c = NumberOf<float>(tokens[4]);
    }
    return command;
}

TActerCommand CompileActerCommand(std::string_view line) {
    try {
        return ParseActerCommand(line);
    } catch (const TGameError& error) {
        TActerCommand command;
        command.kind = TActerCommand::TKind::BadNumber;
        command.error = error.what();
        return command;
    }
}
