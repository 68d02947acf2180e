#include "village/Eventdata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/NamedRecords.h"

namespace {

// Needed count, placement count, empty script.
constexpr size_t SmallestEvent = 4 + 4 + 4;

bool NeededCountFits(std::int32_t needed) {
    return needed >= 0 && needed <= MaxEventConditions;
}

std::string NeededCountProblem(std::int32_t needed) {
    return Sjis("イベントの必要条件数 ") + std::to_string(needed) + Sjis(" が 0 から ") +
           std::to_string(MaxEventConditions) + Sjis(" の外です");
}

// The game starts in stage 0, so record 0 must exist.
std::string NoEventProblem() {
    return Sjis("イベントが 1 つもありません");
}

// Names of what is read, for the error messages; converted once.
struct TEventWords {
    std::string count = Sjis("イベントの数");
    std::string events = Sjis("イベント");
    std::string event = Sjis("イベント ");
    std::string needed = Sjis("必要条件数");
    std::string placementCount = Sjis("配置の数");
    std::string placements = Sjis("配置");
    std::string script = Sjis("スクリプト");
};

const TEventWords& Words() {
    static const TEventWords words;
    return words;
}

} // namespace

TEvent ReadEvent(TDataReader& reader) {
    TEvent event;
    event.neededConditions = reader.ReadI32(Words().needed);
    if (!NeededCountFits(event.neededConditions)) {
        reader.FailContent(NeededCountProblem(event.neededConditions));
    }
    const size_t placementCount = reader.ReadCountI32(Words().placementCount);
    event.placements = reader.ReadRecords<TEvent::placement>(placementCount, Words().placements);
    event.script = reader.ReadLongString(Words().script);
    return event;
}

void WriteEvent(TDataWriter& writer, const TEvent& event) {
    if (!NeededCountFits(event.neededConditions)) {
        throw TGameError(NeededCountProblem(event.neededConditions));
    }
    writer.WriteI32(event.neededConditions);
    writer.WriteCountI32(event.placements.size(), Words().placementCount);
    writer.WriteRecords(event.placements);
    writer.WriteLongString(event.script);
}

std::vector<TEvent> ReadEventData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32(Words().count);
    if (count == 0) {
        reader.FailContent(NoEventProblem());
    }
    std::vector<TEvent> events = ReadNamedRecords(
        reader, count, SmallestEvent, Words().events,
        [](size_t i) { return Words().event + std::to_string(i); },
        [&] { return ReadEvent(reader); });
    reader.SetContext({});
    reader.RequireEnd();
    return events;
}

void WriteEventData(TDataWriter& writer, const std::vector<TEvent>& events) {
    if (events.empty()) {
        throw TGameError(NoEventProblem());
    }
    writer.WriteCountI32(events.size(), Words().count);
    for (const auto& event : events) {
        WriteEvent(writer, event);
    }
}

std::vector<TEvent> LoadEventData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadEventData(reader);
}
