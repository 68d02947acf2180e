#include "shell/Gamewindowbase.h"

#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/SjisText.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/FakeActiveMap.h"
#include "support/TempFolder.h"
#include "support/TestBundle.h"
#include "support/TestContent.h"
#include "village/Eventoperator.h"
#include "village/People.h"
#include "village/Peoplebase.h"
#include "village/Peopledata.h"
#include "world/DataFile.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

// The game window's rules behind the fake window, on a dungeon floor whose
// heroine shows the last order she was given.
class GameWindowRules : public testing::Test {
protected:
    GameWindowRules()
        : app((InstallTestContent(folder.Path()), mainWindow), platform.Bundle(), "Tessarine.ini") {
        app.DungOperator().EnterScene(
            [this] {
                auto made = std::make_unique<TFakeActiveMap>(1);
                map = made.get();
                return made;
            },
            THeroWhereabouts::Dungeon);
        window = platform.gameWindow;
        heroine().ClearOrder();
    }

    TTestHeroine& heroine() const { return map->heroine; }
    // The order the heroine was given since the last look, and forgets it.
    std::pair<DA_State, int> Order() const {
        const DA_State id = heroine().Order();
        const int dir = id == das_Null ? -1 : heroine().OrderDirection();
        heroine().ClearOrder();
        return {id, dir};
    }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
    TApp app;
    TFakeActiveMap* map = nullptr;
    TFakeGameWindow* window = nullptr;
};

using TOrder = std::pair<DA_State, int>;
const TOrder NoOrder{das_Null, -1};
const TOrder Stop{das_Wait, 0};

TEST_F(GameWindowRules, EveryDirectionKeyWalksAndWithCtrlDashesTheOtherWayRoundInFastMode) {
    const std::pair<TGameKey, int> keys[] = {
        {TGameKey::Up, 0},     {TGameKey::Pad8, 0}, {TGameKey::Right, 1},    {TGameKey::Pad6, 1},
        {TGameKey::Down, 2},   {TGameKey::Pad2, 2}, {TGameKey::Left, 3},     {TGameKey::Pad4, 3},
        {TGameKey::PageUp, 4}, {TGameKey::Pad9, 4}, {TGameKey::PageDown, 5}, {TGameKey::Pad3, 5},
        {TGameKey::End, 6},    {TGameKey::Pad1, 6}, {TGameKey::Home, 7},     {TGameKey::Pad7, 7},
    };
    for (const bool fast : {false, true}) {
        window->SetFastMode(fast);
        for (const auto& [key, dir] : keys) {
            for (const bool ctrl : {false, true}) {
                window->KeyPressed(key, ctrl);
                const DA_State pace = fast != ctrl ? das_Dash : das_MoveOrder;
                EXPECT_EQ(Order(), TOrder(pace, dir))
                    << dir << " fast " << fast << " ctrl " << ctrl;
                window->KeyReleased(key, ctrl);
                EXPECT_EQ(Order(), Stop) << "releasing a direction key stops her";
            }
        }
    }
}

TEST_F(GameWindowRules, ReleasingAKeyWhileAnotherDirectionIsHeldWalksThatWayAgain) {
    window->KeyPressed(TGameKey::Up, false);
    window->KeyPressed(TGameKey::Right, false);
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, 1));
    window->KeyReleased(TGameKey::Right, false);
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, 0)) << "the up arrow is still held";
    window->KeyReleased(TGameKey::Up, false);
    EXPECT_EQ(Order(), Stop);

    // Either key of a direction counts, and the Ctrl rule goes with it; a
    // held direction wins over a command key's release too.
    window->KeyPressed(TGameKey::Pad7, false);
    window->KeyReleased(TGameKey::Z, true);
    EXPECT_EQ(Order(), TOrder(das_Dash, 7));
    EXPECT_FALSE(window->FastMode()) << "Z did not turn the fast mode over";
    window->ForgetHeldKeys();
    window->KeyReleased(TGameKey::Space, false);
    EXPECT_EQ(Order(), Stop) << "a key let go while the window was away is not held";
}

TEST_F(GameWindowRules, KeypadFiveAndOtherKeysDoNothing) {
    for (const TGameKey key : {TGameKey::Pad5, TGameKey::Other, TGameKey::A, TGameKey::Q}) {
        window->KeyPressed(key, false);
        EXPECT_EQ(Order(), NoOrder);
    }
    for (const TGameKey key : {TGameKey::Pad5, TGameKey::Other, TGameKey::Q, TGameKey::W}) {
        window->KeyReleased(key, false);
        EXPECT_EQ(Order(), NoOrder);
    }
}

TEST_F(GameWindowRules, SpaceActsUnlessShesTalkingAndItsReleaseStopsHer) {
    window->KeyPressed(TGameKey::Space, false);
    EXPECT_EQ(Order().first, das_ActOrder);
    window->KeyReleased(TGameKey::Space, false);
    EXPECT_EQ(Order(), Stop);

    heroine().SetState(heroine().StateOf(das_Talk));
    window->KeyPressed(TGameKey::Space, false);
    window->ActionCommand();
    EXPECT_EQ(Order(), NoOrder) << "during a talk the action key only advances the talk";
}

TEST_F(GameWindowRules, MoveButtonsWalkWithTheLeftButtonAndDashWithAnyOtherInvertedInFastMode) {
    struct TCase {
        bool fast;
        bool left;
        DA_State pace;
    };
    const TCase cases[] = {{false, true, das_MoveOrder},
                           {false, false, das_Dash},
                           {true, true, das_Dash},
                           {true, false, das_MoveOrder}};
    for (const TCase& c : cases) {
        window->SetFastMode(c.fast);
        window->MoveButtonPressed(DW_SouthWest, c.left);
        EXPECT_EQ(Order(), TOrder(c.pace, DW_SouthWest)) << c.fast << c.left;
        window->StopCommand();
        EXPECT_EQ(Order(), Stop);
    }
}

TEST_F(GameWindowRules, ReleasedCommandKeys) {
    window->KeyReleased(TGameKey::Z, false);
    EXPECT_TRUE(window->FastMode());
    EXPECT_TRUE(window->fastModeShown);
    window->KeyReleased(TGameKey::Z, false);
    EXPECT_FALSE(window->fastModeShown);

    window->KeyReleased(TGameKey::F1, false);
    EXPECT_EQ(mainWindow.calls, "dialogs help ");
    platform.seam->answers = {AnswerNo};
    window->KeyReleased(TGameKey::R, false);
    EXPECT_EQ(platform.seam->questions, std::vector<std::string>{Sjis("脱出して村に戻りますか？")});
    EXPECT_EQ(Order(), NoOrder);
}

TEST_F(GameWindowRules, ACommandPutsAwayTheTalkOnceItIsOver) {
    window->ShowTalk(Sjis("こんにちは"), false);
    window->ShowChoices({Sjis("はい"), Sjis("いいえ")});
    EXPECT_TRUE(window->continueMarker);
    window->KeyPressed(TGameKey::Up, false);
    EXPECT_FALSE(window->talkShown);
    EXPECT_FALSE(window->choicesShown);

    window->ShowChoices({Sjis("はい")});
    window->ChoiceClicked(0);
    EXPECT_FALSE(window->choicesShown);
}

TEST_F(GameWindowRules, CursorsTakeTheirFastShapeAsTheButtonWouldWalk) {
    window->SetMoveCursor(3, true);
    EXPECT_EQ(window->cursor, 3);
    window->SetMoveCursor(3, false);
    EXPECT_EQ(window->cursor, 11) << "any other button dashes while fast mode is off";
    window->SetFastMode(true);
    window->SetMoveCursor(3, true);
    EXPECT_EQ(window->cursor, 11);
    window->SetArrowCursor(5);
    EXPECT_EQ(window->cursor, 13);
    window->SetViewCursor(17);
    EXPECT_EQ(window->cursor, 17);
}

TEST_F(GameWindowRules, NoticesAndRemarksWithTheirColours) {
    window->ShowLevelUp(true);
    EXPECT_EQ(window->notice, (TNoticeLine{Sjis("レベルアップ"), 0x0000FF}));
    window->ShowCollapsed(true);
    EXPECT_EQ(window->notice, (TNoticeLine{Sjis("力尽きた"), 0xFF0000}));
    window->ShowRecovered(true);
    EXPECT_EQ(window->notice, (TNoticeLine{Sjis("回復"), 0x00FFFF}));
    window->ShowSwordBroken(true);
    EXPECT_EQ(window->notice, (TNoticeLine{Sjis("剣が壊れた"), 0xFF0000}));
    window->ShowSwordBroken(false);
    EXPECT_FALSE(window->notice);

    window->ShowLevelReached(12, true);
    EXPECT_EQ(window->levelLine, (TNoticeLine{Sjis("レベル 12 になった"), 0xFFFF00}));
    window->ShowRemark(Sjis("鍵 を手に入れた"));
    EXPECT_EQ(window->levelLine, (TNoticeLine{Sjis("鍵 を手に入れた"), 0x008000}));
    window->ShowRemark("");
    EXPECT_FALSE(window->levelLine) << "an empty remark hides the line, level or not";
}

TEST_F(GameWindowRules, WithoutAMapTheWindowsCommandsOrderNothing) {
    app.DungOperator().ClearScene();
    window->KeyPressed(TGameKey::Up, false);
    window->KeyReleased(TGameKey::Up, false);
    window->MoveButtonPressed(DW_North, true);
    window->ActionCommand();
    window->ItemCommand();
    EXPECT_EQ(app.DungOperator().ActiveMap(), nullptr);
}

TEST_F(GameWindowRules, TheItemCommandOpensTheEquipmentScreenOnlyWhileTheMapWaits) {
    // The screen shows the heroine's values: she stands somewhere.
    TDungBlock block;
    TSaveHero record;
    THerosBase::Instance().GetHero().PlaceHero(&block, record);
    TFakeEquipScreen& screen = *platform.equipScreen;
    map->SetState(msHeroAction);
    window->ItemCommand();
    EXPECT_FALSE(screen.IsShown()) << "not during a turn";
    EXPECT_EQ(app.DungOperator().OpenEquipment(), msHeroAction);

    map->SetState(msWaitInput);
    window->KeyReleased(TGameKey::A, false);
    EXPECT_TRUE(screen.IsShown());
    EXPECT_EQ(screen.at, (TWindowPoint{78 + 100, 236 + 50})) << "the window's point on the screen";
    app.DungOperator().CloseEquipment();
    EXPECT_FALSE(screen.IsShown());

    app.DungOperator().ClearScene();
    EXPECT_EQ(app.DungOperator().OpenEquipment(), -1);
    EXPECT_FALSE(screen.IsShown());
}

TEST(GameWindowLayout, TheWindowIsAsWideAsItsValuesNeedAndSitsAboveTheMiddle) {
    struct TCase {
        bool automap;
        TViewSize main;
        int outerHeight;
        TWindowPoint values;
        int width;
        TWindowPoint at;
    };
    const TCase cases[] = {
        {true, {1000, 800}, 530, {650, 262}, 805, {98, 90}},
        {false, {1000, 800}, 530, {502, 109}, 657, {172, 90}},
        // A main window lower than the game window: its top is not raised.
        {false, {700, 400}, 530, {502, 109}, 657, {22, -65}},
    };
    for (const TCase& c : cases) {
        const TGameWindowLayout layout = ArrangedLayout(c.automap, c.main, c.outerHeight);
        EXPECT_EQ(layout.heroValues, c.values);
        EXPECT_EQ(layout.outerWidth, c.width);
        EXPECT_EQ(layout.windowAt, c.at) << c.automap << " " << c.main.height;
    }
}

// A talk shown through the window: person 7 of the test content asks a
// question whose second answer leads to another question at once.
class GameWindowTalk : public testing::Test {
protected:
    GameWindowTalk() {
        InstallTestContent(folder.Path());
        TPeopleImp person;
        person.personNo = 7;
        person.acterNo = 80;
        person.talks = {
            TTalkData{{Sjis("一"), Sjis("二")}, {{Sjis("はい"), 2}, {Sjis("いいえ"), 3}}, {}, 0},
            TTalkData{{Sjis("よし")}, {}, "EventTermGo_1_1", 0},
            TTalkData{{Sjis("本当に？")}, {{Sjis("はい"), 2}}, {}, 0}};
        TDataWriter writer;
        WritePeopleData(writer, {person});
        writer.SaveTo(PeopleDataFile);
        app.emplace(mainWindow, platform.Bundle(), "Tessarine.ini");
        app->DungOperator().EnterScene([] { return std::make_unique<TFakeActiveMap>(0); },
                                       THeroWhereabouts::Village);
        window = platform.gameWindow;
        app->DungOperator().StartTalk(TPeopleBase::Instance().GetPerson(7).Talks());
    }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
    std::optional<TApp> app;
    TFakeGameWindow* window = nullptr;
};

TEST_F(GameWindowTalk, TheMarkerAndTheChoicesLeadThroughTheTalkAndACommandPutsItAway) {
    EXPECT_EQ(window->talk, Sjis("一"));
    EXPECT_TRUE(window->continueMarker);
    window->ContinueCommand();
    EXPECT_EQ(window->talk, Sjis("二"));
    EXPECT_FALSE(window->continueMarker);
    EXPECT_EQ(window->choices, (std::vector<std::string>{Sjis("はい"), Sjis("いいえ")}));

    window->KeyPressed(TGameKey::Up, false);
    EXPECT_TRUE(window->talkShown) << "a talk waiting for a choice is not over";
    EXPECT_TRUE(window->choicesShown);

    window->ChoiceClicked(1);
    EXPECT_EQ(window->talk, Sjis("本当に？"));
    EXPECT_TRUE(window->choicesShown) << "the chosen talk's own choices stay";
    EXPECT_EQ(window->choices, std::vector<std::string>{Sjis("はい")});

    window->ChoiceClicked(0);
    EXPECT_EQ(window->talk, Sjis("よし"));
    EXPECT_FALSE(window->choicesShown);
    EXPECT_EQ(TEventOperator::Instance().StoryStage(), 1) << "the talk's command ran";
    window->KeyPressed(TGameKey::Up, false);
    EXPECT_FALSE(window->talkShown);
}

} // namespace
