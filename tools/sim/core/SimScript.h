#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a script line asks for.
enum class TSimVerb {
    Key,
    Hold,
    Release,
    Button,
    Menu,
    Title,
    Answer,
    Slot,
    Entrance,
    Choose,
    Equip,
    Unite,
    Steps,
    Wait,
    Close,
    Walk,
    Face,
    Act,
    Expect,
    State,
    Screenshot,
};

// One command of a script, checked and taken apart. Texts are UTF-8 as
// written in the script.
struct TSimCommand {
    int line = 0;
    // The command as written, without its comment.
    std::string text;
    TSimVerb verb = TSimVerb::State;
    // key, hold, release: the key's name ("Up", "KP7", "F1"), and Ctrl held.
    // button: the caption, or "move". menu: the caption. title: START or
    // CONTINUE. screenshot: the file. entrance: 村へ戻る, or empty for a
    // dungeon. equip: "on" (a carried row) or "off" (an equipment place).
    std::string name;
    bool ctrl = false;
    // button move N right: the other pointer button.
    bool otherButton = false;
    // steps N, button move N, answer (1 はい, 2 いいえ), slot N (0 cancel),
    // choose N, face DIR, equip's row or place; walk X Y, unite BASE
    // MATERIAL and entrance AREA POS use both.
    int number = 0;
    int second = 0;
    // expect: the fields and the values they must have.
    std::vector<std::pair<std::string, std::string>> expectations;
};

// Reads a whole script: one command a line, "#" starts a comment, blank lines
// are skipped. A line that is not a command raises TSimScriptError naming it.
std::vector<TSimCommand> ParseSimScript(std::string_view text);

// The key names a script may use, without the "Ctrl+" prefix.
const std::vector<std::string>& SimKeyNames();
// The captions of the game window's controls a script may press.
const std::vector<std::string>& SimButtonCaptions();
