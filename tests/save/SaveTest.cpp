#include "save/Save.h"

#include "activemap/Activemap.h"
#include "actors/Dastate.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/GameFiles.h"
#include "platform/IniFile.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "save/Savetown.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "support/TempFolder.h"
#include "support/TestBundle.h"
#include "support/TestContent.h"
#include "village/Eventoperator.h"
#include "village/Peoplebase.h"
#include "world/DataFile.h"
#include "world/Savemapping.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

TBytes FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const TBytes& bytes) {
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path());
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The real game over the test content, no Qt: saves go to Save/ in the
// game folder, which stands for the executable's.
class SaveGame : public testing::Test {
protected:
    SaveGame() {
        InstallTestContent(folder.Path());
        app = std::make_unique<TApp>(mainWindow, platform.Bundle(), "Tessarine.ini");
        game().NewGame();
    }

    TApp& game() { return *app; }
    TDungOperator& scene() { return app->DungOperator(); }
    TSave& save() { return TSave::Instance(); }
    TScriptedSaveForm& form() { return *platform.saveForm; }

    void SaveTo(int slot) {
        form().slots.push_back(slot);
        game().SaveCommand();
    }
    bool LoadFrom(int slot) {
        form().slots.push_back(slot);
        return save().Load();
    }
    static fs::path Slot(int slot) { return fs::path("Save") / ("Save" + std::to_string(slot)); }

    // Steps until the map and the heroine wait for the player again (a turn
    // on the spot keeps the map waiting).
    void RunTurn() {
        for (int pass = 0; pass < 500; ++pass) {
            const auto wait = platform.thread->RunPass();
            ASSERT_TRUE(wait.has_value());
            platform.clock->Advance(*wait);
            if (scene().MapState() == 0 && scene().ActiveMap()->HeroStateId() == das_Wait) {
                return;
            }
        }
        FAIL() << "the map never waited for the player";
    }
    // One step in direction `dir` (she turns first if she faces elsewhere).
    void Walk(std::uint8_t dir) {
        platform.gameWindow->KeyDirection(dir, true);
        const auto wait = platform.thread->RunPass();
        ASSERT_TRUE(wait.has_value());
        platform.clock->Advance(*wait);
        platform.gameWindow->StopCommand();
        RunTurn();
    }
    // Into the test cave; north over the fairy to the key.
    void EnterCaveAndTakeTheKey() {
        scene().EnterDungeon(0, false);
        Walk(0);
        Walk(0);
        ASSERT_EQ(CurrentDungeonSave().hero.y, 1);
        ASSERT_EQ(THerosBase::Instance().GetHero().ItemCount(), 1u);
    }

    // The message that refused the file in slot `slot`, which names it and
    // tells `sjisProblem`.
    void ExpectRefusedWith(int slot, const std::string& sjisProblem) {
        ASSERT_EQ(platform.seam->messages.size(), 1u);
        const std::string& message = platform.seam->messages[0];
        EXPECT_EQ(message.rfind(Sjis("ロードできませんでした"), 0), 0u) << SjisToUtf8(message);
        EXPECT_NE(message.find("Save" + std::to_string(slot)), std::string::npos)
            << SjisToUtf8(message);
        EXPECT_NE(message.find(sjisProblem), std::string::npos) << SjisToUtf8(message);
    }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
    std::unique_ptr<TApp> app;
};

// `saved`, a game saved in a dungeon, with its dungeon save changed by
// `spoil`: every record kept where the checks want it.
TBytes WithDungeonSpoiled(const TBytes& saved, const std::function<void(TSaveDungeon&)>& spoil) {
    TDataReader reader("saved", saved);
    std::uint8_t signature[SaveSignatureSize];
    reader.ReadBytes(signature, sizeof signature, "signature");
    THerosBase::Instance().ReadInventoryChecked(reader);
    TPeopleBase::Instance().ReadTalksChecked(reader);
    TEventOperator::Instance().ReadEventsChecked(reader);
    const auto dungeonAt = static_cast<std::ptrdiff_t>(reader.Position());
    TSaveDungeon dungeon = ReadDungeonSave(reader);
    const auto dungeonEnd = static_cast<std::ptrdiff_t>(reader.Position());
    spoil(dungeon);
    TDataWriter writer;
    WriteDungeonSave(writer, dungeon);
    TBytes bytes(saved.begin(), saved.begin() + dungeonAt);
    bytes.insert(bytes.end(), writer.Bytes().begin(), writer.Bytes().end());
    bytes.insert(bytes.end(), saved.begin() + dungeonEnd, saved.end());
    return bytes;
}

TSaveFloar& HerFloar(TSaveDungeon& dungeon) {
    return dungeon.Floar(dungeon.hero.floar);
}

// Her floor's first enemy is of a kind the tables do not know.
void UnknownEnemy(TSaveDungeon& dungeon) {
    HerFloar(dungeon).enemies.front().enemyKind = 99;
}

TEST(SaveSlots, SlotsCountTenToAPageAndLieInSaveBesideTheExecutable) {
    EXPECT_EQ(SlotOf(1, 0), 1);
    EXPECT_EQ(SlotOf(4, 6), 37);
    EXPECT_EQ(SlotOf(10, 9), 100);
    EXPECT_EQ(PageOfSlot(37), 4);
    EXPECT_EQ(RowOfSlot(37), 6);
    EXPECT_EQ(PageOfSlot(100), 10);
    EXPECT_EQ(RowOfSlot(100), 9);
    EXPECT_EQ(SlotFileIn(ExecutableFolder(), 37).Native(), ExecutableFolder() / "Save" / "Save37");
    EXPECT_EQ(fs::path(TApp::SettingsPath()).parent_path(), ExecutableFolder())
        << "saves go beside the settings file";
    EXPECT_EQ(SlotDateText({2026, 12, 9, 7, 5, 0}), "12/9  7:05");
    EXPECT_EQ(SlotDateText({2026, 1, 31, 23, 59, 59}), "1/31  23:59");
}

TEST_F(SaveGame, SlotThirtySevenIsWrittenAsSave37AndShownInRowSevenOfPageFour) {
    SaveTo(37);
    const TBytes written = FileBytes(Slot(37));
    ASSERT_GT(written.size(), SaveSignatureSize);
    for (std::size_t i = 0; i < SaveSignatureValues; ++i) {
        std::int32_t value = 0;
        std::memcpy(&value, written.data() + i * 4, 4);
        EXPECT_EQ(value, 100) << "signature value " << i;
    }
    EXPECT_FALSE(fs::exists("Save/Save37.tmp"));
    EXPECT_EQ(written, save().GameBytes());

    // Opened again, the dialog comes back to the slot and shows its time.
    const TLocalDateTime time = GameFileLastWriteTime(TGamePath("Save/Save37"));
    form().player = [&](TScriptedSaveForm& shown) {
        EXPECT_EQ(shown.Mode(), TSaveMode::Load);
        EXPECT_EQ(shown.ShownPage(), 4);
        EXPECT_EQ(shown.SelectedRow(), 6);
        const auto& times = shown.ShownBlock().times;
        ASSERT_TRUE(times[6].has_value());
        EXPECT_EQ(SlotDateText(*times[6]), SlotDateText(time));
        EXPECT_FALSE(times[5].has_value());
    };
    EXPECT_FALSE(save().Load()) << "closed without a choice";
    EXPECT_EQ(form().shown, 2);

    app.reset();
    const TIniFile ini("Tessarine.ini");
    EXPECT_EQ(ini.ReadInteger(Sjis("セーブフォーム"), Sjis("ページ"), 0), 4);
    EXPECT_EQ(ini.ReadInteger(Sjis("セーブフォーム"), Sjis("インデクス"), 0), 6);
}

TEST_F(SaveGame, SavingLoadingAndSavingAgainGiveTheSameBytesAndTheSamePlace) {
    EnterCaveAndTakeTheKey();
    Walk(1); // turns east
    const TSaveHero hero = CurrentDungeonSave().hero;
    SaveTo(3);
    const TBytes first = FileBytes(Slot(3));

    Walk(1);
    Walk(1);
    ASSERT_NE(CurrentDungeonSave().hero, hero);

    ASSERT_TRUE(LoadFrom(3));
    EXPECT_EQ(scene().Whereabouts(), THeroWhereabouts::Dungeon);
    EXPECT_EQ(CurrentDungeonSave().hero, hero);
    EXPECT_EQ(THerosBase::Instance().GetHero().ItemCount(), 1u);
    ASSERT_NE(scene().ActiveMap(), nullptr);
    EXPECT_EQ(scene().MapState(), 0);
    EXPECT_TRUE(platform.gameWindow->HasWindow());

    SaveTo(4);
    EXPECT_EQ(FileBytes(Slot(4)), first);
}

TEST_F(SaveGame, TheSeenSquaresAreSavedAndComeBackWithTheGame) {
    TSaveMapping& seen = scene().SeenSquares();
    EnterCaveAndTakeTheKey();
    seen.Floar(1, 0).MarkSeen(2, 1);
    SaveTo(3);
    game().NewGame();
    ASSERT_FALSE(seen.Floar(1, 0).IsSeen(2, 1));
    ASSERT_TRUE(LoadFrom(3));
    EXPECT_TRUE(seen.Floar(1, 0).IsSeen(2, 1));
}

TEST_F(SaveGame, AVillageSaveComesBackInTheVillage) {
    TEventOperator::Instance().FulfilCondition(1, 1);
    const TBytes village = save().GameBytes();
    SaveTo(1);
    scene().EnterDungeon(0, false);
    ASSERT_TRUE(LoadFrom(1));
    EXPECT_EQ(scene().Whereabouts(), THeroWhereabouts::Village);
    ASSERT_NE(scene().ActiveMap(), nullptr);
    EXPECT_TRUE(scene().ActiveMap()->IsVillage());
    EXPECT_FALSE(TSaveDungeon::HasInstance()) << "the dungeon trip went with the load";
    EXPECT_EQ(TEventOperator::Instance().StoryStage(), 1);
    EXPECT_EQ(save().GameBytes(), village);
}

TEST_F(SaveGame, AFileWithoutTheSignatureIsListedButNotLoaded) {
    TBytes bytes = save().GameBytes();
    bytes[135] = 99;
    WriteBytes(Slot(5), bytes);
    WriteBytes(Slot(6), TBytes(100, 100));
    EXPECT_EQ(save().CheckSlot(5), 3);
    EXPECT_EQ(save().CheckSlot(6), 3) << "shorter than the signature";
    EXPECT_EQ(save().CheckSlot(7), 2);

    form().player = [](TScriptedSaveForm& shown) {
        EXPECT_TRUE(shown.ShownBlock().times[4].has_value()) << "it exists";
        shown.ChooseSlot(5);
    };
    IActiveMap* map = scene().ActiveMap();
    EXPECT_FALSE(save().Load());
    EXPECT_EQ(scene().ActiveMap(), map);
    EXPECT_TRUE(platform.seam->messages.empty()) << "refused without a message";
}

// A file that breaks off or does not fit the game's data is refused with a
// message naming it, and the game goes on untouched. (Slot 18: its page was
// not shown before the file was there, the dialog lists it.)
TEST_F(SaveGame, TruncatedAndCorruptedSavesAreRefusedAndTheGameIsUnchanged) {
    EnterCaveAndTakeTheKey();
    SaveTo(2);
    const TBytes good = FileBytes(Slot(2));
    TDataWriter inventory;
    THerosBase::Instance().WriteInventory(inventory);
    const std::size_t itemAt = SaveSignatureSize + 1;
    const std::size_t whereaboutsAt = SaveSignatureSize + inventory.Bytes().size() - 1;
    TDataWriter talks;
    TPeopleBase::Instance().WriteTalks(talks);
    const std::size_t dungeonAt = whereaboutsAt + 1 + talks.Bytes().size() + 21;
    const std::size_t heroXAt = dungeonAt + 1 + 4;
    TDataWriter seen;
    scene().SeenSquares().WriteSeen(seen);
    // Stage count, the first stage's floor count, then its first floor's width.
    const std::size_t firstWidthAt = good.size() - seen.Bytes().size() + 2;

    struct TCase {
        const char* name;
        std::function<void(TBytes&)> spoil;
    };
    const std::vector<TCase> cases = {
        {"cut after the signature", [](TBytes& b) { b.resize(SaveSignatureSize + 1); }},
        {"cut in the middle", [](TBytes& b) { b.resize(b.size() / 2); }},
        {"last byte missing", [](TBytes& b) { b.pop_back(); }},
        {"a byte too many", [](TBytes& b) { b.push_back(0); }},
        {"an item the tables do not know", [&](TBytes& b) { b[itemAt + 1] = 250; }},
        {"at the dungeon entrance", [&](TBytes& b) { b[whereaboutsAt] = 1; }},
        {"a dungeon beyond the stages", [&](TBytes& b) { b[dungeonAt] = 9; }},
        {"the heroine off her floor", [&](TBytes& b) { b[heroXAt] = 99; }},
        {"an automap of other dimensions", [&](TBytes& b) { b[firstWidthAt] += 1; }},
    };

    Walk(1);
    const TBytes before = save().GameBytes();
    IActiveMap* map = scene().ActiveMap();
    for (const TCase& spoiled : cases) {
        SCOPED_TRACE(spoiled.name);
        TBytes bytes = good;
        spoiled.spoil(bytes);
        WriteBytes(Slot(18), bytes);
        platform.seam->messages.clear();
        EXPECT_EQ(save().CheckSlot(18), 1) << "the signature is good";
        EXPECT_FALSE(LoadFrom(18));
        EXPECT_EQ(save().GameBytes(), before);
        EXPECT_EQ(scene().ActiveMap(), map);
        EXPECT_TRUE(platform.gameWindow->HasWindow());
        EXPECT_EQ(THerosBase::Instance().GetHero().ItemCount(), 1u);
        ASSERT_EQ(platform.seam->messages.size(), 1u);
        EXPECT_NE(platform.seam->messages[0].find("Save18"), std::string::npos)
            << SjisToUtf8(platform.seam->messages[0]);
    }
    EXPECT_TRUE(LoadFrom(2)) << "a good file still loads";
}

// A file that passes every check but whose floor cannot be built fails
// only once the running game is gone: it comes back as it was, playable, and
// the message names the file and the problem.
TEST_F(SaveGame, ASaveWhoseFloorCannotBeBuiltGivesTheRunningGameBack) {
    EnterCaveAndTakeTheKey();
    SaveTo(2);
    const TBytes good = FileBytes(Slot(2));

    struct TCase {
        const char* name;
        const char* problem;
        std::function<void(TSaveDungeon&)> spoil;
    };
    const std::vector<TCase> cases = {
        {"an enemy the tables do not know", "IDからデータの取得エラー", UnknownEnemy},
        {"an enemy on her block", "ゲストダンジョンアクターの二重セット",
         [](TSaveDungeon& d) {
             TSaveEnemy& enemy = HerFloar(d).enemies.front();
             ASSERT_NE(enemy.hp, 0) << "a defeated enemy is not built";
             enemy.x = d.hero.x;
             enemy.y = d.hero.y;
         }},
        {"a tool that is only found in chests", "は床に置けません",
         [](TSaveDungeon& d) {
             TSaveItem& item = HerFloar(d).items.front();
             item.kind = BI_Tool;
             item.id = FreeToolId + 1;
         }},
        {"a door without its record", "の記録がありません",
         [](TSaveDungeon& d) { HerFloar(d).onOffs.pop_back(); }},
    };

    Walk(1); // turns east: the running game is not the saved one
    SaveTo(4);
    const TBytes before = FileBytes(Slot(4));
    ASSERT_NE(before, good);
    for (const TCase& spoiled : cases) {
        SCOPED_TRACE(spoiled.name);
        WriteBytes(Slot(18), WithDungeonSpoiled(good, spoiled.spoil));
        platform.seam->messages.clear();
        EXPECT_FALSE(LoadFrom(18));
        ExpectRefusedWith(18, Sjis(spoiled.problem));
        EXPECT_EQ(save().GameBytes(), before);
        EXPECT_EQ(scene().Whereabouts(), THeroWhereabouts::Dungeon);
        ASSERT_NE(scene().ActiveMap(), nullptr);
        EXPECT_EQ(scene().MapState(), 0) << "she waits for the player";
        EXPECT_TRUE(platform.gameWindow->HasWindow());
    }

    SaveTo(5);
    EXPECT_EQ(FileBytes(Slot(5)), before) << "the same game as before the loads";
    Walk(1);
    EXPECT_EQ(CurrentDungeonSave().hero.x, 2) << "a step east";
    ASSERT_TRUE(LoadFrom(2)) << "a good file still loads";
    EXPECT_EQ(save().GameBytes(), good);
    EXPECT_EQ(scene().MapState(), 0);
}

// The loaded dungeon is built and the loop runs on it when entering it
// fails: the running game comes back all the same.
TEST_F(SaveGame, AFailureAfterTheLoadedGameRunsGivesTheRunningGameBack) {
    EnterCaveAndTakeTheKey();
    SaveTo(2);
    Walk(1); // turns east
    SaveTo(4);
    const TBytes before = FileBytes(Slot(4));

    platform.gameWindow->failNextAutomapTarget = true;
    EXPECT_FALSE(LoadFrom(2));
    ASSERT_FALSE(platform.gameWindow->failNextAutomapTarget) << "it failed in the load";
    ExpectRefusedWith(2, "automap picture lost");
    EXPECT_EQ(scene().MapState(), 0);
    EXPECT_TRUE(platform.gameWindow->HasWindow());
    SaveTo(5);
    EXPECT_EQ(FileBytes(Slot(5)), before);
    Walk(1);
    EXPECT_EQ(CurrentDungeonSave().hero.x, 2) << "a step east";
}

TEST_F(SaveGame, AFailedLoadInTheVillageGivesTheVillageBack) {
    EnterCaveAndTakeTheKey();
    SaveTo(2);
    WriteBytes(Slot(18), WithDungeonSpoiled(FileBytes(Slot(2)), UnknownEnemy));
    game().NewGame();
    TEventOperator::Instance().FulfilCondition(1, 1);
    SaveTo(4);
    const TBytes village = FileBytes(Slot(4));

    EXPECT_FALSE(LoadFrom(18));
    ExpectRefusedWith(18, Sjis("IDからデータの取得エラー"));
    EXPECT_EQ(scene().Whereabouts(), THeroWhereabouts::Village);
    ASSERT_NE(scene().ActiveMap(), nullptr);
    EXPECT_TRUE(scene().ActiveMap()->IsVillage());
    EXPECT_FALSE(TSaveDungeon::HasInstance()) << "nothing of the file stays";
    EXPECT_TRUE(platform.gameWindow->HasWindow());
    SaveTo(5);
    EXPECT_EQ(FileBytes(Slot(5)), village);

    const int x = CurrentTownSave().hero.x;
    Walk(3); // turns west
    Walk(3);
    EXPECT_EQ(CurrentTownSave().hero.x, x - 1);
}

// At the title there is no game to give back: the title stays, nothing of
// the file is shown, and a good file still loads from there.
TEST_F(SaveGame, AFailedLoadFromTheTitleLeavesTheTitle) {
    EnterCaveAndTakeTheKey();
    SaveTo(2);
    WriteBytes(Slot(18), WithDungeonSpoiled(FileBytes(Slot(2)), UnknownEnemy));
    platform.seam->answers.push_back(AnswerYes);
    game().StartCommand();
    ASSERT_TRUE(mainWindow.titleOpen) << "the game was ended";

    form().slots.push_back(18);
    game().LoadCommand();
    ExpectRefusedWith(18, Sjis("IDからデータの取得エラー"));
    EXPECT_TRUE(mainWindow.titleOpen);
    EXPECT_FALSE(platform.gameWindow->HasWindow());
    EXPECT_EQ(scene().ActiveMap(), nullptr);

    form().slots.push_back(2);
    game().LoadCommand();
    EXPECT_FALSE(mainWindow.titleOpen);
    EXPECT_TRUE(platform.gameWindow->HasWindow());
    EXPECT_EQ(scene().MapState(), 0);
    EXPECT_EQ(save().GameBytes(), FileBytes(Slot(2)));
}

// The process dies while it writes the slot (its file size limit kills it
// with SIGXFSZ half way): the slot still holds the previous game.
TEST_F(SaveGame, AProcessKilledWhileSavingLeavesThePreviousFileLoadable) {
    SaveTo(37);
    const TBytes previous = FileBytes(Slot(37));
    EnterCaveAndTakeTheKey();
    const TBytes next = save().GameBytes();
    ASSERT_NE(next, previous);
    constexpr rlim_t writtenWhenKilled = 200;
    ASSERT_LT(writtenWhenKilled, next.size());

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        const rlimit fileSize{writtenWhenKilled, writtenWhenKilled};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        SaveTo(37);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process was not killed";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(fs::file_size("Save/Save37.tmp"), writtenWhenKilled) << "killed in mid-write";

    EXPECT_EQ(FileBytes(Slot(37)), previous);
    ASSERT_TRUE(LoadFrom(37));
    EXPECT_EQ(scene().Whereabouts(), THeroWhereabouts::Village);
    SaveTo(37);
    EXPECT_EQ(FileBytes(Slot(37)), previous) << "and the next save replaces it whole";
    EXPECT_FALSE(fs::exists("Save/Save37.tmp"));
}

TEST_F(SaveGame, ASaveThatCannotBeWrittenIsToldAndKeepsTheSlot) {
    WriteBytes("Save", {1});
    SaveTo(9);
    ASSERT_EQ(platform.seam->messages.size(), 1u);
    EXPECT_EQ(platform.seam->messages[0].rfind(Sjis("セーブできませんでした"), 0), 0u);
    EXPECT_EQ(FileBytes("Save"), TBytes{1});
}

TEST_F(SaveGame, ANewGameOpensTheDialogOnPageOneWithNoRow) {
    SaveTo(37);
    game().NewGame();
    form().player = [](TScriptedSaveForm& shown) {
        EXPECT_EQ(shown.ShownPage(), 1);
        EXPECT_EQ(shown.SelectedRow(), -1);
    };
    game().SaveCommand();
    EXPECT_EQ(form().shown, 2);
}

} // namespace
