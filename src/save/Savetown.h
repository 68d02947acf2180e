#pragma once

#include "platform/SingleInstance.h"
#include "save/Savelist.h"
#include "save/Saverecords.h"

#include <cstdint>

class TDataReader;
class TDataWriter;
struct TEvent;
struct TFieldData;

// The state of the village area being played: the heroine's record and the
// people standing in the area. Remade whenever an area is entered; what a
// save file holds while she is in the village. There is one current town
// save; making or loading a new one replaces it.
class TSaveTown : public TSingleInstance<TSaveTown> {
public:
    TSaveTown() = default;
    // People point into it: never copied, only handed over whole.
    TSaveTown(const TSaveTown&) = delete;
    TSaveTown& operator=(const TSaveTown&) = delete;
    TSaveTown(TSaveTown&&) = default;
    TSaveTown& operator=(TSaveTown&&) = default;

    std::uint8_t area = 0; // from 0
    TSaveHero hero;
    TSaveList<TSaveAct> people; // the area's own people, then the story stage's

    bool operator==(const TSaveTown& other) const {
        return area == other.area && hero == other.hero && people == other.people;
    }
};

// One-byte count: people per area.
inline constexpr size_t MaxAreaPeople = 255;

// Makes the current town save for village area `area`: the heroine with her
// village values, every person the area data places (person number not 0),
// then every person the current story stage places in this area. Raises
// TGameError when more people stand there than a save can count.
TSaveTown& NewTownSave(std::uint8_t area, const TFieldData& areaData, const TEvent& storyStage);

// u8 area, the 28-byte heroine record, u8 people count, the people. Reading
// refuses a short stream, a count larger than what follows and records that
// are not people.
TSaveTown ReadTownSave(TDataReader& reader);
void WriteTownSave(TDataWriter& writer, const TSaveTown& save);

// Reads a town save and makes it the current one; on a refused stream the
// current one stays as it was.
TSaveTown& LoadTownSave(TDataReader& reader);
void WriteTownSave(TDataWriter& writer);

TSaveTown& CurrentTownSave();
