#pragma once

#include "activemap/Dungfloarparts.h"
#include "world/Floarlinks.h"

#include <cstddef>
#include <string>
#include <vector>

class IDungActer;
class TDungActFactory;
class THero;
struct TFloarData;
struct TSaveFloar;
struct TSaveHero;
struct TSaveTile;

// Builds the blocks of one dungeon floor and places on them what its data
// and its save records hold, in the order the floor's links and save lists
// rely on. Positions and counts that the save records do not match raise
// TGameError naming the record.
class TFloarPlacer {
public:
    // `sjisFloarName` names the floor in the data file, `sjisSaveName` in
    // the saved state, for the messages.
    TFloarPlacer(const TFloarData& floarData, TSaveFloar& floarSave, TDungActFactory& actors,
                 std::string sjisFloarName, std::string sjisSaveName);

    void BuildGrid();
    void PlaceHero(THero& hero, TSaveHero& record);
    void PlaceEnemies();
    void PlaceObjects();
    void PlaceItems();
    void PlaceFloarActers();
    void PlaceFairies();
    void PlaceChests(const THero& hero);

    // What the map takes over, and the pressed timed switches it must tell
    // of every turn.
    TDungFloarParts TakeParts() { return std::move(parts); }
    const std::vector<IDungActer*>& PressedTimedSwitches() const { return pressedTimedSwitches; }

private:
    TDungBlock& BlockOf(int x, int y, const std::string& sjisWho) const;
    std::string DataRecordName(const char* sjisList, std::size_t index) const;
    std::string SaveRecordName(const char* sjisList, std::size_t index) const;
    IDungActer& ObjectOf(std::size_t record) const;
    void PlaceSwitch(TDungBlock& block, std::size_t record, TSaveTile& tile);

    const TFloarData& floar;
    TSaveFloar& save;
    TDungActFactory& actors;
    std::string floarName;
    std::string saveName;
    std::vector<TFloarLink> links;
    TDungFloarParts parts;
    // One entry per object record, null where the record made nothing.
    std::vector<IDungActer*> objects;
    std::vector<IDungActer*> pressedTimedSwitches;
};
