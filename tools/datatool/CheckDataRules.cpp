#include "CheckDataRules.h"

#include "actors/Actordatacheck.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/Storycheck.h"
#include "world/MapdataCheck.h"
#include "world/TowndataCheck.h"

namespace {

// A record mark, or the list's own place when the record is not there.
const TSourceLocation& Mark(const std::vector<TSourceLocation>& marks, size_t record,
                            const TSourceLocation& fallback) {
    return record < marks.size() ? marks[record] : fallback;
}

TSourceLocation StageLocation(const TStageMarks& stage, const TDataProblem& problem) {
    if (problem.list == TDataList::StageStart || problem.group < 1 ||
        problem.group > stage.floars.size()) {
        return stage.start;
    }
    const auto& floar = stage.floars[problem.group - 1];
    switch (problem.list) {
    case TDataList::Guests:
        return Mark(floar.guests, problem.record, floar.where);
    case TDataList::Objects:
        return Mark(floar.objects, problem.record, floar.where);
    case TDataList::Items:
        return Mark(floar.items, problem.record, floar.where);
    case TDataList::FloarActers:
        return Mark(floar.floarActers, problem.record, floar.where);
    case TDataList::Forces:
        return Mark(floar.forces, problem.record, floar.where);
    case TDataList::FloarEnemies:
        return Mark(floar.enemies, problem.record, floar.where);
    default:
        return floar.where;
    }
}

TSourceLocation TownLocation(const TTownSource& town, const TDataProblem& problem) {
    if (problem.group >= town.marks.size()) {
        return {"town.yaml", 0};
    }
    const auto& area = town.marks[problem.group];
    return problem.list == TDataList::FloarActers
               ? Mark(area.floarActers, problem.record, area.where)
               : Mark(area.objects, problem.record, area.where);
}

TSourceLocation StoryLocation(const TContent& content, const TDataProblem& problem) {
    const auto& people = content.people->marks;
    const auto& events = content.events->marks;
    const TSourceLocation eventsFile{"events.yaml", 0};
    switch (problem.list) {
    case TDataList::People:
        return problem.record < people.size() ? people[problem.record].where
                                              : TSourceLocation{"people/", 0};
    case TDataList::Talks:
        if (problem.group < people.size()) {
            const auto& person = people[problem.group];
            return problem.record < person.talks.size() ? person.talks[problem.record].where
                                                        : person.where;
        }
        return {"people/", 0};
    case TDataList::Events:
        return problem.record < events.size() ? events[problem.record].where : eventsFile;
    case TDataList::Placements:
        return problem.group < events.size() ? Mark(events[problem.group].placements,
                                                    problem.record, events[problem.group].where)
                                             : eventsFile;
    default:
        return TownLocation(*content.town, problem);
    }
}

std::string Utf8Message(const TDataProblem& problem) {
    try {
        return SjisToUtf8(problem.message);
    } catch (const TGameError&) {
        return problem.message;
    }
}

template <typename TLocate>
void Report(const std::vector<TDataProblem>& problems, TCheckSink& sink, TLocate locate) {
    for (const auto& problem : problems) {
        sink.Add(locate(problem), Utf8Message(problem));
    }
}

} // namespace

void CheckDataRules(const TContent& content, TCheckSink& sink) {
    if (content.stages) {
        for (size_t s = 0; s < content.stages->stages.size(); ++s) {
            const auto& stage = content.stages->stages[s];
            const auto& marks = content.stages->marks[s];
            const auto locate = [&](const TDataProblem& p) { return StageLocation(marks, p); };
            Report(FindStageProblems(stage), sink, locate);
            if (content.enemies) {
                Report(FindStageEnemyProblems(stage, content.enemies->enemies), sink, locate);
            }
        }
    }
    if (content.town) {
        Report(FindTownProblems(content.town->areas), sink,
               [&](const TDataProblem& p) { return TownLocation(*content.town, p); });
    }
    if (content.enemies) {
        Report(FindEnemyProblems(content.enemies->enemies), sink, [&](const TDataProblem& p) {
            return Mark(content.enemies->marks.records, p.record, content.enemies->marks.where);
        });
    }
    if (content.items && content.items->equipment) {
        const auto& marks = content.items->equipmentMarks;
        Report(FindEquipmentProblems(content.items->equipment->equipment), sink,
               [&](const TDataProblem& p) { return Mark(marks.records, p.record, marks.where); });
    }
    if (content.areas) {
        const auto& marks = content.areas->marks;
        Report(FindAreaProblems(content.areas->areas,
                                content.stages ? content.stages->stages.size() : 0),
               sink,
               [&](const TDataProblem& p) { return Mark(marks.records, p.group, marks.where); });
    }
    if (content.people && content.events && content.items && content.items->items &&
        content.items->equipment && content.town) {
        const TStoryData story{content.people->people, content.events->events,
                               *content.items->items, content.items->equipment->equipment,
                               content.town->areas};
        Report(FindStoryProblems(story), sink,
               [&](const TDataProblem& p) { return StoryLocation(content, p); });
    }
}
