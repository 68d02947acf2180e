#include "core/SimScript.h"

#include "core/SimErrors.h"
#include "core/SimState.h"
#include "world/Mycpp.h"

#include <algorithm>
#include <map>
#include <optional>

namespace {

struct TLineParser {
    TSimCommand& command;
    std::vector<std::string> words;

    [[noreturn]] void Refuse(const std::string& why) const {
        throw TSimScriptError("line " + std::to_string(command.line) + ": " + why + ": " +
                              command.text);
    }
    void ExpectWords(std::size_t count, const std::string& usage) const {
        if (words.size() != count) {
            Refuse("usage: " + usage);
        }
    }
    int Number(const std::string& word, int low, int high, const std::string& what) const {
        const std::optional<int> value = WholeNumber<int>(word);
        if (!value || *value < low || *value > high) {
            Refuse(what + " must be a whole number from " + std::to_string(low) + " to " +
                   std::to_string(high));
        }
        return *value;
    }
    // VERB N, with N from low to high.
    void OneNumber(const std::string& usage, int low, int high, const std::string& what) {
        ExpectWords(2, usage);
        command.number = Number(words[1], low, high, what);
    }
    // VERB A B, each from 0 to high.
    void TwoNumbers(const std::string& usage, int high, const std::string& first,
                    const std::string& second) {
        ExpectWords(3, usage);
        command.number = Number(words[1], 0, high, first);
        command.second = Number(words[2], 0, high, second);
    }
    // The text after the verb, as one name that may hold spaces.
    std::string Rest(const std::string& usage) const {
        const std::string_view text = command.text;
        const std::string_view rest = TrimBlanks(text.substr(words[0].size()));
        if (rest.empty()) {
            Refuse("usage: " + usage);
        }
        return std::string(rest);
    }

    void Key() {
        ExpectWords(2, words[0] + " NAME");
        std::string name = words[1];
        constexpr std::string_view ctrl = "Ctrl+";
        if (name.starts_with(ctrl)) {
            command.ctrl = true;
            name.erase(0, ctrl.size());
        }
        const auto& names = SimKeyNames();
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            Refuse("unknown key " + name);
        }
        command.name = name;
    }
    void Button() {
        if (words.size() >= 2 && words[1] == "move") {
            if (words.size() == 4 && words[3] != "right") {
                Refuse("usage: button move N [right]");
            }
            if (words.size() != 3 && words.size() != 4) {
                Refuse("usage: button move N [right]");
            }
            command.name = "move";
            command.number = Number(words[2], 0, 7, "the direction");
            command.otherButton = words.size() == 4;
            return;
        }
        ExpectWords(2, "button CAPTION, or button move N [right]");
        const auto& captions = SimButtonCaptions();
        if (std::find(captions.begin(), captions.end(), words[1]) == captions.end()) {
            Refuse("no button " + words[1] + " in the game window");
        }
        command.name = words[1];
    }
    void Title() {
        ExpectWords(2, "title START or title CONTINUE");
        if (words[1] != "START" && words[1] != "CONTINUE") {
            Refuse("usage: title START or title CONTINUE");
        }
        command.name = words[1];
    }
    void Answer() {
        ExpectWords(2, "answer はい or answer いいえ");
        if (words[1] == "はい") {
            command.number = 1;
        } else if (words[1] == "いいえ") {
            command.number = 2;
        } else {
            Refuse("usage: answer はい or answer いいえ");
        }
    }
    void Slot() {
        if (words.size() == 2 && words[1] == "cancel") {
            return;
        }
        OneNumber("slot N or slot cancel", 1, 100, "the slot");
    }
    void Entrance() {
        if (words.size() == 2 && words[1] == "村へ戻る") {
            command.name = words[1];
            return;
        }
        TwoNumbers("entrance AREA POS or entrance 村へ戻る", 255, "the area", "the position");
    }
    void Equip() {
        if (words.size() == 3 && words[1] == "off") {
            command.name = "off";
            command.number = Number(words[2], 1, 3, "the equipment place");
            return;
        }
        ExpectWords(2, "equip POS or equip off PLACE");
        command.name = "on";
        command.number = Number(words[1], 0, 255, "the position");
    }
    void Expect() {
        if (words.size() < 2) {
            Refuse("usage: expect KEY=VALUE ...");
        }
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::size_t equals = words[i].find('=');
            if (equals == std::string::npos || equals == 0 || equals + 1 == words[i].size()) {
                Refuse("usage: expect KEY=VALUE ...");
            }
            std::string key = words[i].substr(0, equals);
            if (!TSimState::IsKey(key)) {
                Refuse("no state field " + key);
            }
            command.expectations.emplace_back(std::move(key), words[i].substr(equals + 1));
        }
    }
    void NoArguments() const { ExpectWords(1, words[0]); }

    void Parse() {
        static const std::map<std::string, TSimVerb> verbs = {
            {"key", TSimVerb::Key},
            {"hold", TSimVerb::Hold},
            {"release", TSimVerb::Release},
            {"button", TSimVerb::Button},
            {"menu", TSimVerb::Menu},
            {"title", TSimVerb::Title},
            {"answer", TSimVerb::Answer},
            {"slot", TSimVerb::Slot},
            {"entrance", TSimVerb::Entrance},
            {"choose", TSimVerb::Choose},
            {"equip", TSimVerb::Equip},
            {"unite", TSimVerb::Unite},
            {"steps", TSimVerb::Steps},
            {"wait", TSimVerb::Wait},
            {"close", TSimVerb::Close},
            {"walk", TSimVerb::Walk},
            {"face", TSimVerb::Face},
            {"act", TSimVerb::Act},
            {"expect", TSimVerb::Expect},
            {"state", TSimVerb::State},
            {"screenshot", TSimVerb::Screenshot},
        };
        const auto found = verbs.find(words[0]);
        if (found == verbs.end()) {
            Refuse("unknown command " + words[0]);
        }
        command.verb = found->second;
        switch (command.verb) {
        case TSimVerb::Key:
        case TSimVerb::Hold:
        case TSimVerb::Release:
            Key();
            break;
        case TSimVerb::Button:
            Button();
            break;
        case TSimVerb::Menu:
            command.name = Rest("menu CAPTION");
            break;
        case TSimVerb::Title:
            Title();
            break;
        case TSimVerb::Answer:
            Answer();
            break;
        case TSimVerb::Slot:
            Slot();
            break;
        case TSimVerb::Entrance:
            Entrance();
            break;
        case TSimVerb::Choose:
            OneNumber("choose N", 0, 255, "the choice");
            break;
        case TSimVerb::Equip:
            Equip();
            break;
        case TSimVerb::Unite:
            TwoNumbers("unite BASE MATERIAL", 255, "the base", "the material");
            break;
        case TSimVerb::Steps:
            OneNumber("steps N", 1, 100'000'000, "the number of steps");
            break;
        case TSimVerb::Walk:
            TwoNumbers("walk X Y", 255, "X", "Y");
            break;
        case TSimVerb::Face:
            OneNumber("face DIR", 0, 7, "the direction");
            break;
        case TSimVerb::Expect:
            Expect();
            break;
        case TSimVerb::Screenshot:
            command.name = Rest("screenshot FILE");
            break;
        case TSimVerb::Wait:
        case TSimVerb::Close:
        case TSimVerb::Act:
        case TSimVerb::State:
            NoArguments();
            break;
        }
    }
};

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        words.emplace_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

} // namespace

const std::vector<std::string>& SimKeyNames() {
    static const std::vector<std::string> names = {
        "Up",    "Down", "Left", "Right", "PageUp", "PageDown", "Home", "End",
        "Space", "A",    "Q",    "W",     "Z",      "R",        "F1",   "KP1",
        "KP2",   "KP3",  "KP4",  "KP5",   "KP6",    "KP7",      "KP8",  "KP9"};
    return names;
}

const std::vector<std::string>& SimButtonCaptions() {
    static const std::vector<std::string> captions = {"アイテム", "セーブ", "ロード", "高速モード",
                                                      "◆",        "▼",      "クリア"};
    return captions;
}

std::vector<TSimCommand> ParseSimScript(std::string_view text) {
    std::vector<TSimCommand> commands;
    const std::vector<std::string> lines = SplitLines(std::string(text));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        line = TrimBlanks(line.substr(0, std::min(line.find('#'), line.size())));
        if (line.empty()) {
            continue;
        }
        TSimCommand command;
        command.line = static_cast<int>(i) + 1;
        command.text = std::string(line);
        TLineParser parser{command, Words(line)};
        parser.Parse();
        commands.push_back(std::move(command));
    }
    return commands;
}
