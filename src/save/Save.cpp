#include "save/Save.h"

#include "actors/Herosbase.h"
#include "platform/FailureReport.h"
#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "save/Savecheck.h"
#include "save/Savedungeon.h"
#include "save/Savescene.h"
#include "save/Savetown.h"
#include "village/Eventoperator.h"
#include "village/Peoplebase.h"
#include "world/Savemapping.h"

#include <cstring>
#include <utility>

// A save file read whole and checked, not yet taken into the game.
struct TLoadedGame {
    TCarriedState carried;
    std::vector<std::uint16_t> talkNos;
    TSaveEvents events;
    std::optional<TSaveTown> town;
    std::optional<TSaveDungeon> dungeon;
    std::optional<TSaveMapping> seen;
};

bool HasSaveSignature(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < SaveSignatureSize) {
        return false;
    }
    for (std::size_t i = 0; i < SaveSignatureValues; ++i) {
        std::int32_t value = 0;
        std::memcpy(&value, bytes.data() + i * sizeof value, sizeof value);
        if (value != SaveSignatureValue) {
            return false;
        }
    }
    return true;
}

TSave::TSave(ISaveScene& saveScene, const TDungeonData& stageData, const TTownData& areaData,
             TSaveMapping& seenSquares, std::filesystem::path folder,
             std::unique_ptr<TSaveForm> slotForm)
    : scene(saveScene), stages(stageData), areas(areaData), seen(seenSquares),
      programFolder(std::move(folder)), form(std::move(slotForm)) {}

TSave::~TSave() = default;

void TSave::NewGame() {
    THerosBase::Instance().NewGame();
    TPeopleBase::Instance().ResetTalks();
    TEventOperator::Instance().ResetEvents();
    form->SetRemembered(1, -1);
}

std::vector<std::uint8_t> TSave::GameBytes() const {
    TDataWriter writer;
    for (std::size_t i = 0; i < SaveSignatureValues; ++i) {
        writer.WriteI32(SaveSignatureValue);
    }
    const THerosBase& heroes = THerosBase::Instance();
    heroes.WriteInventory(writer);
    TPeopleBase::Instance().WriteTalks(writer);
    TEventOperator::Instance().WriteEvents(writer);
    switch (heroes.GetWhereabouts()) {
    case THeroWhereabouts::Village:
        WriteTownSave(writer);
        break;
    case THeroWhereabouts::Dungeon:
        WriteDungeonSave(writer);
        break;
    case THeroWhereabouts::Entrance:
        break;
    }
    seen.WriteSeen(writer);
    return writer.Bytes();
}

void TSave::Save() {
    const int slot = form->AskSaveSlot();
    if (slot <= 0) {
        return;
    }
    scene.BeforeSave();
    try {
        const std::vector<std::uint8_t> bytes = GameBytes();
        CreateGameFolder(SaveFolderIn(programFolder));
        // Written beside the slot's file and moved over it when complete: a
        // failure or a crash on the way leaves the previous game there.
        WriteWholeGameFile(SlotFileIn(programFolder, slot), bytes);
    } catch (const TGameError& error) {
        MessageSeam().ShowWarning(Sjis("セーブできませんでした") + "\n" + error.what());
        return;
    }
    form->SlotSaved(slot);
}

int TSave::CheckSlot(int slot) {
    const TGamePath file = SlotFileIn(programFolder, slot);
    if (!GameFileExists(file)) {
        return 2;
    }
    if (held) {
        return 0;
    }
    std::vector<std::uint8_t> bytes = ReadWholeGameFile(file);
    if (!HasSaveSignature(bytes)) {
        return 3;
    }
    held.emplace(file.Shown(), std::move(bytes));
    return 1;
}

bool TSave::Load() {
    // A file checked earlier and never loaded is let go.
    held.reset();
    const int slot = form->AskLoadSlot();
    if (slot <= 0) {
        return false;
    }
    std::optional<TLoadedGame> game;
    std::string fileName;
    try {
        if (CheckSlot(slot) != 1) {
            return false;
        }
        TDataReader reader = std::move(*held);
        held.reset();
        fileName = reader.FileName();
        game.emplace(ReadGame(reader));
    } catch (const TGameError& error) {
        held.reset();
        TellLoadFailed(error.what());
        return false;
    }
    // Building the loaded game can still fail on what no check covers (a
    // floor's content against its records); the game on screen is kept as a
    // save would write it, to be given back then.
    std::optional<std::vector<std::uint8_t>> running;
    if (scene.GameShown()) {
        scene.BeforeSave();
        running = GameBytes();
    }
    try {
        Resume(*game);
    } catch (...) {
        const std::string reason = FailureTextSjis(std::current_exception());
        GiveBack(running);
        TellLoadFailed(fileName + ": " + reason);
        return false;
    }
    return true;
}

void TSave::Resume(TLoadedGame& game) {
    scene.PrepareLoad();
    Adopt(game);
    scene.ResumeAfterLoad();
}

void TSave::GiveBack(const std::optional<std::vector<std::uint8_t>>& running) {
    try {
        if (!running) {
            scene.PrepareLoad();
            return;
        }
        TDataReader reader(Sjis("実行中のゲーム"), *running);
        TLoadedGame game = ReadGame(reader);
        Resume(game);
    } catch (...) {
        // Not even the game that ran can be built again: at least nothing
        // half built stays, and the slot files are untouched.
        scene.PrepareLoad();
    }
}

void TSave::TellLoadFailed(const std::string& sjisReason) const {
    MessageSeam().ShowWarning(Sjis("ロードできませんでした") + "\n" + sjisReason);
}

TLoadedGame TSave::ReadGame(TDataReader& reader) const {
    std::uint8_t signature[SaveSignatureSize];
    reader.ReadBytes(signature, sizeof signature, Sjis("セーブファイルの識別子"));
    TLoadedGame game;
    game.carried = THerosBase::Instance().ReadInventoryChecked(reader);
    const TPeopleBase& people = TPeopleBase::Instance();
    game.talkNos = people.ReadTalksChecked(reader);
    game.events = TEventOperator::Instance().ReadEventsChecked(reader);
    switch (game.carried.whereabouts) {
    case THeroWhereabouts::Village:
        game.town.emplace(ReadTownSave(reader));
        CheckTownSaveFits(
            *game.town, areas,
            [&people](std::uint32_t personNo) { return people.HasPerson(personNo); }, reader);
        break;
    case THeroWhereabouts::Dungeon:
        game.dungeon.emplace(ReadDungeonSave(reader));
        CheckDungeonSaveFits(*game.dungeon, stages, reader);
        break;
    case THeroWhereabouts::Entrance:
        // Never saved: a game cannot resume at the entrance screen.
        reader.FailContent(Sjis("主人公の居場所がダンジョンの入口です"));
    }
    game.seen.emplace(seen.ReadChecked(reader));
    reader.RequireEnd();
    return game;
}

void TSave::Adopt(TLoadedGame& game) {
    THerosBase::Instance().AdoptInventory(std::move(game.carried));
    TPeopleBase::Instance().AdoptTalks(game.talkNos);
    TEventOperator::Instance().AdoptEvents(game.events);
    if (game.town) {
        TSaveTown::CreateInstance(std::move(*game.town));
    }
    if (game.dungeon) {
        TSaveDungeon::CreateInstance(std::move(*game.dungeon));
    }
    seen = std::move(*game.seen);
}
