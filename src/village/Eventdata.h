#pragma once

#include "world/DataFile.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::string_view EventDataFile = "Data/EventData";

// The most conditions a stage can need: the operator keeps ten flags.
inline constexpr std::int32_t MaxEventConditions = 10;

// One story stage: who stands where while it lasts, how many conditions
// leave it, and the script run when it is entered.
struct TEvent {
#pragma pack(push, 1)
    struct placement {
        std::uint8_t personNo = 0;
        std::uint8_t unused = 0;
        std::uint8_t areaNoPlusOne = 0; // 1 is village area 0; 0 places nobody
        std::int16_t x = 0;
        std::int16_t y = 0;
        std::uint8_t direction = 0;

        bool operator==(const placement&) const = default;
    };
#pragma pack(pop)
    static_assert(sizeof(placement) == 8);

    std::vector<placement> placements;
    std::int32_t neededConditions = 0; // 0 to MaxEventConditions
    std::string script;

    bool operator==(const TEvent&) const = default;
};

// The needed count is stored first, then the placements and the script; a
// needed count outside 0 to MaxEventConditions is refused when read and when
// written.
TEvent ReadEvent(TDataReader& reader);
void WriteEvent(TDataWriter& writer, const TEvent& event);

// The whole file, in file order (record i is stage i): an i32 count, then the
// records, and nothing after. There is at least the record of stage 0.
std::vector<TEvent> ReadEventData(TDataReader& reader);
void WriteEventData(TDataWriter& writer, const std::vector<TEvent>& events);
std::vector<TEvent> LoadEventData(std::string_view sjisName = EventDataFile);
