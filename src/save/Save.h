#pragma once

#include "platform/SingleInstance.h"
#include "save/Saveform.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"
#include "world/Towndata.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ISaveScene;
class TSaveMapping;
struct TLoadedGame;

// The signature that opens every save file: 34 i32 values of 100.
inline constexpr std::size_t SaveSignatureValues = 34;
inline constexpr std::int32_t SaveSignatureValue = 100;
inline constexpr std::size_t SaveSignatureSize = SaveSignatureValues * 4;
bool HasSaveSignature(const std::vector<std::uint8_t>& bytes);

// The save manager: it writes the whole game into a slot's file and reads it
// back. A file holds, after the signature, the heroine's inventory and
// whereabouts, the people's talks, the story's events, the village or the
// dungeon save by her whereabouts, and the automap. A save is written beside
// the slot's file and moved over it only when complete; a load reads and
// checks the whole file before anything of the running game goes, and gives
// the running game back when the loaded one cannot be built.
class TSave : public TSingleInstance<TSave> {
public:
    // The game's data the saves are checked against and the automap's seen
    // squares must outlive the manager. Slot files lie in "Save" in
    // `programFolder`.
    TSave(ISaveScene& scene, const TDungeonData& stages, const TTownData& areas,
          TSaveMapping& seenSquares, std::filesystem::path programFolder,
          std::unique_ptr<TSaveForm> form);
    ~TSave();
    TSave(const TSave&) = delete;
    TSave& operator=(const TSave&) = delete;

    // Nothing carried, the village's talks and the story from the start, the
    // dialog on page 1 with no row.
    void NewGame();
    // Asks for a slot and writes the game into it. A failure is told to the
    // player and leaves the slot's previous file as it was.
    void Save();
    // 2 when the slot has no file, 0 while a file is held for loading, 1 when
    // the file begins with the signature (and is held), 3 when it does not.
    int CheckSlot(int slot);
    // Asks for a slot and loads it; false when nothing was loaded. A file
    // without the signature is refused silently, one whose content does not
    // fit the game's data, or whose game fails while it is being built, with
    // a message; either way the game goes on as it was.
    bool Load();

    TSaveForm& Form() { return *form; }
    // The whole game as a save file holds it.
    std::vector<std::uint8_t> GameBytes() const;

private:
    TLoadedGame ReadGame(TDataReader& reader) const;
    void Adopt(TLoadedGame& game);
    // The running game goes, `game` takes its place and resumes.
    void Resume(TLoadedGame& game);
    // After a load failed half way: what was built of it goes, and the game
    // in `running` (none: no game was shown) resumes.
    void GiveBack(const std::optional<std::vector<std::uint8_t>>& running);
    void TellLoadFailed(const std::string& sjisReason) const;

    ISaveScene& scene;
    const TDungeonData& stages;
    const TTownData& areas;
    TSaveMapping& seen;
    std::filesystem::path programFolder;
    std::unique_ptr<TSaveForm> form;
    // The file a successful CheckSlot read, until the load takes it.
    std::optional<TDataReader> held;
};
