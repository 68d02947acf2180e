#include "core/SimScript.h"

#include "core/SimErrors.h"
#include "core/SimOptions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TSimCommand One(const std::string& line) {
    const auto commands = ParseSimScript(line);
    EXPECT_EQ(commands.size(), 1u) << line;
    return commands.empty() ? TSimCommand{} : commands.front();
}

std::string ErrorOf(const std::string& script) {
    try {
        ParseSimScript(script);
    } catch (const TSimScriptError& error) {
        return error.what();
    }
    return "no error";
}

TEST(SimScript, CommandsAreTakenApart) {
    struct TCase {
        const char* line;
        TSimVerb verb;
        const char* name;
        int number;
        int second;
        bool ctrl;
        bool other;
    };
    const TCase cases[] = {
        {"key Up", TSimVerb::Key, "Up", 0, 0, false, false},
        {"hold Ctrl+KP7", TSimVerb::Hold, "KP7", 0, 0, true, false},
        {"release F1", TSimVerb::Release, "F1", 0, 0, false, false},
        {"button アイテム", TSimVerb::Button, "アイテム", 0, 0, false, false},
        {"button move 3 right", TSimVerb::Button, "move", 3, 0, false, true},
        {"button move 0", TSimVerb::Button, "move", 0, 0, false, false},
        {"menu 繰り返し処理割り込みレベル", TSimVerb::Menu, "繰り返し処理割り込みレベル", 0, 0,
         false, false},
        {"title CONTINUE", TSimVerb::Title, "CONTINUE", 0, 0, false, false},
        {"answer はい", TSimVerb::Answer, "", 1, 0, false, false},
        {"answer いいえ", TSimVerb::Answer, "", 2, 0, false, false},
        {"slot 100", TSimVerb::Slot, "", 100, 0, false, false},
        {"slot cancel", TSimVerb::Slot, "", 0, 0, false, false},
        {"entrance 2 1", TSimVerb::Entrance, "", 2, 1, false, false},
        {"entrance 村へ戻る", TSimVerb::Entrance, "村へ戻る", 0, 0, false, false},
        {"choose 1", TSimVerb::Choose, "", 1, 0, false, false},
        {"equip 4", TSimVerb::Equip, "on", 4, 0, false, false},
        {"equip off 2", TSimVerb::Equip, "off", 2, 0, false, false},
        {"unite 3 5", TSimVerb::Unite, "", 3, 5, false, false},
        {"steps 435", TSimVerb::Steps, "", 435, 0, false, false},
        {"wait", TSimVerb::Wait, "", 0, 0, false, false},
        {"close", TSimVerb::Close, "", 0, 0, false, false},
        {"walk 12 3", TSimVerb::Walk, "", 12, 3, false, false},
        {"face 7", TSimVerb::Face, "", 7, 0, false, false},
        {"act", TSimVerb::Act, "", 0, 0, false, false},
        {"state", TSimVerb::State, "", 0, 0, false, false},
        {"screenshot shots/a title.png", TSimVerb::Screenshot, "shots/a title.png", 0, 0, false,
         false},
    };
    for (const TCase& c : cases) {
        const TSimCommand command = One(c.line);
        EXPECT_EQ(command.verb, c.verb) << c.line;
        EXPECT_EQ(command.name, c.name) << c.line;
        EXPECT_EQ(command.number, c.number) << c.line;
        EXPECT_EQ(command.second, c.second) << c.line;
        EXPECT_EQ(command.ctrl, c.ctrl) << c.line;
        EXPECT_EQ(command.otherButton, c.other) << c.line;
    }
}

TEST(SimScript, CommentsAndBlankLinesAreSkippedAndLinesKeepTheirNumbers) {
    const auto commands = ParseSimScript("# a script\n\n  title START   # from the title\r\n"
                                         "\texpect where=0 map=none\n");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].line, 3);
    EXPECT_EQ(commands[0].text, "title START");
    EXPECT_EQ(commands[1].line, 4);
    EXPECT_EQ(commands[1].expectations,
              (std::vector<std::pair<std::string, std::string>>{{"where", "0"}, {"map", "none"}}));
}

TEST(SimScript, LinesThatAreNoCommandsAreNamedWithTheirNumber) {
    struct TCase {
        const char* script;
        const char* error;
    };
    const TCase cases[] = {
        {"state\njump 3", "line 2: unknown command jump: jump 3"},
        {"key Escape", "line 1: unknown key Escape: key Escape"},
        {"key Alt+Up", "line 1: unknown key Alt+Up: key Alt+Up"},
        {"key", "line 1: usage: key NAME: key"},
        {"button 決定", "line 1: no button 決定 in the game window: button 決定"},
        {"button move 8",
         "line 1: the direction must be a whole number from 0 to 7: button move 8"},
        {"button move 1 left", "line 1: usage: button move N [right]: button move 1 left"},
        {"title start", "line 1: usage: title START or title CONTINUE: title start"},
        {"answer yes", "line 1: usage: answer はい or answer いいえ: answer yes"},
        {"slot 0", "line 1: the slot must be a whole number from 1 to 100: slot 0"},
        {"steps 0", "line 1: the number of steps must be a whole number from 1 to 100000000: "
                    "steps 0"},
        {"steps 1x", "line 1: the number of steps must be a whole number from 1 to 100000000: "
                     "steps 1x"},
        {"wait 3", "line 1: usage: wait: wait 3"},
        {"walk 1", "line 1: usage: walk X Y: walk 1"},
        {"act now", "line 1: usage: act: act now"},
        {"expect", "line 1: usage: expect KEY=VALUE ...: expect"},
        {"expect where", "line 1: usage: expect KEY=VALUE ...: expect where"},
        {"expect where=", "line 1: usage: expect KEY=VALUE ...: expect where="},
        {"expect weather=fine", "line 1: no state field weather: expect weather=fine"},
        {"menu", "line 1: usage: menu CAPTION: menu"},
        {"equip off 4", "line 1: the equipment place must be a whole number from 1 to 3: "
                        "equip off 4"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ErrorOf(c.script), c.error);
    }
}

TEST(SimOptions, TheCommandLineAndItsMistakes) {
    const TSimOptions full = ParseSimOptions({"--game", "g", "--script", "s.sim", "--seed",
                                              "4294967295", "--trace", "t", "--draw", "--timing"});
    EXPECT_EQ(full.game, "g");
    EXPECT_EQ(full.script, "s.sim");
    EXPECT_EQ(full.seed, 4294967295u);
    EXPECT_EQ(full.trace, "t");
    EXPECT_TRUE(full.draw);
    EXPECT_TRUE(full.timing);
    const TSimOptions plain = ParseSimOptions({"--script", "s.sim", "--game", "g"});
    EXPECT_EQ(plain.seed, 1u);
    EXPECT_TRUE(plain.trace.empty());
    EXPECT_FALSE(plain.draw);
    EXPECT_FALSE(plain.timing);

    const std::vector<std::vector<std::string>> wrong = {
        {"--game", "g"},
        {"--game", "g", "--script"},
        {"--game", "g", "--script", "s", "--seed", "-1"},
        {"--game", "g", "--script", "s", "--fast"},
    };
    for (const auto& args : wrong) {
        EXPECT_THROW(ParseSimOptions(args), TSimScriptError) << args.back();
    }
}

} // namespace
