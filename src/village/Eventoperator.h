#pragma once

#include "platform/SingleInstance.h"
#include "village/Eventdata.h"
#include "world/Area.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDataReader;
class TDataWriter;

#pragma pack(push, 1)
// The story's saved state: the stage, the conditions of that stage already
// fulfilled (flag k - 1 for condition k) and the areas opened (flag a for
// area a; flag 0 is never set).
struct TSaveEvents {
    std::uint8_t storyStage = 0;
    std::array<std::uint8_t, MaxEventConditions> conditions{};
    std::array<std::uint8_t, MaxOpenedArea + 1> areas{};

    bool operator==(const TSaveEvents&) const = default;
};
#pragma pack(pop)
static_assert(sizeof(TSaveEvents) == 21);

// The story: which stage is being played, what of it is done, and what the
// stage scripts have opened. The dungeon operator makes the program's one
// instance and releases it at the end.
class TEventOperator : public TSingleInstance<TEventOperator> {
public:
    // Reads the stage records; the story starts again at stage 0.
    void LoadEvents(std::string_view sjisName = EventDataFile);
    // A new game: stage 0, nothing fulfilled, nothing opened.
    void ResetEvents() { state = {}; }

    // The 21-byte block of a save file. Reading refuses a stage that has no
    // record and flags other than 0 and 1, and then changes nothing.
    void WriteEvents(TDataWriter& writer) const;
    void ReadEvents(TDataReader& reader);
    // The reading without the taking, for a loader that checks a whole save
    // before it changes the game; AdoptEvents takes what it read.
    TSaveEvents ReadEventsChecked(TDataReader& reader) const;
    void AdoptEvents(const TSaveEvents& read) { state = read; }

    const TEvent& CurrentEvent() const;
    std::uint8_t StoryStage() const { return state.storyStage; }
    // Area 0 is always open; areas beyond the flags never are.
    bool IsAreaOpen(std::int32_t area) const;
    const TSaveEvents& State() const { return state; }

    // Condition `condition` (1 to 10) of stage number `stage`, counted from
    // 1, is fulfilled; only the stage being played takes it. When that
    // completes the stage, the next stage begins and its script runs. Never
    // raises: a condition number out of range, a last stage with no next one
    // and a script line that cannot run are told through the message seam,
    // and the game goes on (the lines before a failed one keep their effect).
    void FulfilCondition(std::int32_t stage, std::int32_t condition);

    // Runs a stage script line by line: "TalkChange", "ItemAdd",
    // "ItemDelete" and "DungInfo"; other lines are ignored. Raises TGameError
    // at the first line that cannot run; later lines do not run.
    void RunScript(const std::string& sjisScript);

private:
    void Fulfil(std::int32_t condition);
    bool StageComplete() const;

    std::vector<TEvent> events;
    TSaveEvents state;
};
