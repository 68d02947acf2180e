#pragma once

#include "SourceError.h"
#include "SourceText.h"
#include "village/Eventdata.h"

#include <filesystem>
#include <optional>

struct TEventMarks {
    TSourceLocation where;
    std::vector<TSourceLocation> placements;
    std::vector<TSourceLocation> script; // each command line, or the whole text
};

// SRC/events.yaml: the story stages in order (the first is stage 0).
//   events:
//     - needed: 1
//       people: [{person: 3, area: 1, at: [5, 4], dir: S}]
//       script: ["TalkChange_3_2", "DungInfo_1"]
struct TEventsSource {
    std::vector<TEvent> events;
    std::vector<TEventMarks> marks;
};

std::optional<TEventsSource> ReadEventSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpEvents(const std::vector<TEvent>& events);
