#include "CheckStory.h"

#include "world/Mycpp.h"

#include <charconv>
#include <set>

namespace {

using std::to_string;

// Areas beyond the tenth are never offered on the entrance screen.
constexpr size_t MaxOfferedAreas = 10;

// The area a "DungInfo_<a>" line opens, if the line is one.
std::optional<long long> OpenedArea(const std::string& line) {
    auto text = line;
    ReplaceToCRLF(text, "_");
    const auto tokens = SplitLines(text);
    long long area = 0;
    if (tokens.size() != 2 || tokens[0] != "DungInfo") {
        return std::nullopt;
    }
    const auto* end = tokens[1].data() + tokens[1].size();
    const auto [rest, error] = std::from_chars(tokens[1].data(), end, area);
    if (error != std::errc() || rest != end) {
        return std::nullopt;
    }
    return area;
}

void CheckOpenedAreas(const TContent& content, size_t e, TCheckSink& sink) {
    const auto& event = content.events->events[e];
    const auto& marks = content.events->marks[e].script;
    const size_t areaCount = content.areas ? content.areas->areas.size() : 0;
    const auto lines = SplitLines(event.script);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto area = OpenedArea(lines[i]);
        if (area && *area >= 1 && static_cast<size_t>(*area) >= areaCount) {
            sink.Add(marks[std::min(i, marks.size() - 1)],
                     "DungInfo opens area " + to_string(*area) + ", which areas.yaml (" +
                         to_string(areaCount) + " areas, the first is 0) does not have");
        }
    }
}

bool HasTalk(const TPeopleImp& person, size_t talk) {
    return talk >= 1 && talk <= person.talks.size();
}

} // namespace

void CheckPeople(const TContent& content, TCheckSink& sink) {
    if (!content.people) {
        return;
    }
    for (size_t p = 0; p < content.people->people.size(); ++p) {
        const auto& person = content.people->people[p];
        for (size_t t = 0; t < person.talks.size(); ++t) {
            const auto& talk = person.talks[t];
            const auto& marks = content.people->marks[p].talks[t];
            for (size_t c = 0; c < talk.choices.size(); ++c) {
                if (!HasTalk(person, talk.choices[c].target)) {
                    sink.Add(marks.choices[c], "the choice leads to talk " +
                                                   to_string(talk.choices[c].target) +
                                                   ", which this person does not have");
                }
            }
            if (talk.nextTalk != 0 && !HasTalk(person, talk.nextTalk)) {
                sink.Add(marks.next,
                         "next talk " + to_string(talk.nextTalk) + " is not a talk of this person");
            }
        }
    }
}

void CheckEvents(const TContent& content, TCheckSink& sink) {
    if (!content.events) {
        return;
    }
    const auto* town = content.town ? &content.town->areas : nullptr;
    for (size_t e = 0; e < content.events->events.size(); ++e) {
        const auto& event = content.events->events[e];
        const auto& marks = content.events->marks[e];
        std::vector<TSlotTracker> areaSlots;
        std::vector<std::set<std::uint32_t>> areaPeople(town != nullptr ? town->size() : 0);
        for (size_t a = 0; town != nullptr && a < town->size(); ++a) {
            areaSlots.emplace_back(sink, "area " + to_string(a + 1) + " in stage " + to_string(e));
            const auto& area = (*town)[a];
            for (size_t i = 0; i < area.objects.size(); ++i) {
                const auto& object = area.objects[i];
                if (object.kind == BO_Person && object.subKind != 0) {
                    areaPeople[a].insert(object.subKind);
                    areaSlots.back().Take(TBlockSlot::Guest, object.x, object.y,
                                          content.town->marks[a].objects[i], "a person");
                }
            }
        }
        for (size_t i = 0; i < event.placements.size(); ++i) {
            const auto& placement = event.placements[i];
            const size_t area = placement.areaNoPlusOne;
            if (area == 0 || area > areaSlots.size()) {
                continue;
            }
            if (!areaPeople[area - 1].insert(placement.personNo).second) {
                sink.Add(marks.placements[i], "person " + to_string(placement.personNo) +
                                                  " already stands in area " + to_string(area) +
                                                  " in this stage");
            }
            areaSlots[area - 1].Take(TBlockSlot::Guest, placement.x, placement.y,
                                     marks.placements[i], "a placed person");
        }
        if (!event.script.empty()) {
            CheckOpenedAreas(content, e, sink);
        }
    }
}

void CheckAreas(const TContent& content, TCheckSink& sink) {
    if (!content.areas) {
        return;
    }
    for (size_t a = MaxOfferedAreas; a < content.areas->areas.size(); ++a) {
        sink.Add(content.areas->marks.records[a], "only the first ten areas are ever offered");
    }
}
