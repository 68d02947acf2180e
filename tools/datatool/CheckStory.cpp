#include "CheckStory.h"

#include "CheckLookups.h"
#include "world/Mycpp.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>

namespace {

using std::to_string;

// Areas beyond the tenth are never offered on the entrance screen.
constexpr size_t MaxOfferedAreas = 10;

// A command line split the way the game splits it: at every "_".
std::vector<std::string> Tokens(const std::string& line) {
    auto text = line;
    ReplaceToCRLF(text, "_");
    return SplitLines(text);
}

std::optional<long long> Decimal(const std::string& token) {
    long long value = 0;
    const auto* end = token.data() + token.size();
    const auto [rest, error] = std::from_chars(token.data(), end, value);
    if (error != std::errc() || rest != end || token.empty()) {
        return std::nullopt;
    }
    return value;
}

// Runs `check` on each non-empty line of a command text with its decimal
// arguments, after reporting lines whose arguments are missing or not numbers.
class TCommandText {
public:
    // `linesAt`: where each line stands, or one place for the whole text.
    TCommandText(TCheckSink& target, const std::vector<TSourceLocation>& linesAt)
        : sink(target), where(linesAt) {}

    // The arguments of a line whose command is `command` with `count`
    // arguments, or none after reporting what is wrong.
    std::optional<std::vector<long long>> Arguments(const std::vector<std::string>& tokens,
                                                    size_t lineNo, size_t count) {
        if (tokens.size() != count + 1) {
            Add(lineNo, tokens[0] + " takes " + to_string(count) + " argument(s)");
            return std::nullopt;
        }
        std::vector<long long> values;
        for (size_t i = 1; i < tokens.size(); ++i) {
            const auto value = Decimal(tokens[i]);
            if (!value) {
                Add(lineNo,
                    "argument '" + tokens[i] + "' of " + tokens[0] + " is not a decimal number");
                return std::nullopt;
            }
            values.push_back(*value);
        }
        return values;
    }

    void Add(size_t lineNo, const std::string& message) {
        if (where.size() > 1) {
            sink.Add(where[std::min(lineNo, where.size() - 1)], message);
        } else {
            sink.Add(where.front(), "command line " + to_string(lineNo + 1) + ": " + message);
        }
    }

private:
    TCheckSink& sink;
    const std::vector<TSourceLocation>& where;
};

size_t EventCount(const TContent& content) {
    return content.events ? content.events->events.size() : 0;
}

void CheckAfterTalk(const TContent& content, const std::string& text,
                    const std::vector<TSourceLocation>& where, TCheckSink& sink) {
    TCommandText commands(sink, where);
    const auto lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto tokens = Tokens(lines[i]);
        if (tokens.empty() || tokens[0].empty()) {
            continue;
        }
        if (tokens[0] == "DungInfo") {
            commands.Add(i, "DungInfo belongs in event scripts; after a talk it is an error");
        } else if (tokens[0] != "EventTermGo") {
            commands.Add(i, "unknown after-talk command '" + tokens[0] + "'");
        } else if (const auto args = commands.Arguments(tokens, i, 2)) {
            if ((*args)[0] < 1 || static_cast<size_t>((*args)[0]) > EventCount(content)) {
                commands.Add(i,
                             "stage " + to_string((*args)[0]) + " is not an event of events.yaml");
            }
            if ((*args)[1] < 1 || (*args)[1] > MaxEventConditions) {
                commands.Add(i, "condition " + to_string((*args)[1]) + " is not 1 to 10");
            }
        }
    }
}

bool HasTalk(const TPeopleImp& person, long long talk) {
    return talk >= 1 && static_cast<size_t>(talk) <= person.talks.size();
}

void CheckScript(const TContent& content, const std::string& text,
                 const std::vector<TSourceLocation>& where, TCheckSink& sink) {
    TCommandText commands(sink, where);
    const auto lines = SplitLines(text);
    const size_t areaCount = content.areas ? content.areas->areas.size() : 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto tokens = Tokens(lines[i]);
        if (tokens.empty() || tokens[0].empty()) {
            continue;
        }
        const auto& command = tokens[0];
        if (command == "TalkChange") {
            if (const auto args = commands.Arguments(tokens, i, 2)) {
                const auto* person = FindPerson(content, static_cast<std::uint32_t>((*args)[0]));
                if (person == nullptr) {
                    commands.Add(i, "person " + to_string((*args)[0]) + " is not in people/");
                } else if (!HasTalk(*person, (*args)[1])) {
                    commands.Add(i, "person " + to_string((*args)[0]) + " has no talk " +
                                        to_string((*args)[1]));
                }
            }
        } else if (command == "ItemAdd" || command == "ItemDelete") {
            if (const auto args = commands.Arguments(tokens, i, 2)) {
                if ((*args)[0] < 0 || (*args)[0] > 255 ||
                    !HasItem(content, static_cast<std::uint8_t>((*args)[0]),
                             static_cast<std::int32_t>((*args)[1]))) {
                    commands.Add(i, "item " + to_string((*args)[0]) + "/" + to_string((*args)[1]) +
                                        " is not in items.yaml");
                }
            }
        } else if (command == "DungInfo") {
            if (const auto args = commands.Arguments(tokens, i, 1)) {
                const auto area = (*args)[0];
                if (area < 1 || area > 9) {
                    commands.Add(i, "area " + to_string(area) + " is not 1 to 9");
                } else if (static_cast<size_t>(area) >= areaCount) {
                    commands.Add(i, "area " + to_string(area) + " is not in areas.yaml (" +
                                        to_string(areaCount) + " areas, the first is 0)");
                }
            }
        } else {
            commands.Add(i, "unknown script command '" + command + "'");
        }
    }
}

} // namespace

void CheckPeople(const TContent& content, TCheckSink& sink) {
    if (!content.people) {
        return;
    }
    std::set<std::uint32_t> numbers;
    for (size_t p = 0; p < content.people->people.size(); ++p) {
        const auto& person = content.people->people[p];
        const auto& marks = content.people->marks[p];
        if (!numbers.insert(person.personNo).second) {
            sink.Add(marks.where, "person " + to_string(person.personNo) +
                                      " is given twice; only the first counts");
        }
        for (size_t t = 0; t < person.talks.size(); ++t) {
            const auto& talk = person.talks[t];
            const auto& talkMarks = marks.talks[t];
            for (size_t c = 0; c < talk.choices.size(); ++c) {
                if (!HasTalk(person, talk.choices[c].target)) {
                    sink.Add(talkMarks.choices[c], "choice leads to talk " +
                                                       to_string(talk.choices[c].target) +
                                                       ", which this person does not have");
                }
            }
            if (talk.nextTalk != 0 && !HasTalk(person, talk.nextTalk)) {
                sink.Add(talkMarks.next,
                         "next talk " + to_string(talk.nextTalk) + " is not a talk of this person");
            }
            if (!talk.afterTalk.empty()) {
                CheckAfterTalk(content, talk.afterTalk, talkMarks.after, sink);
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
            const auto& where = marks.placements[i];
            if (!HasPerson(content, placement.personNo)) {
                sink.Add(where, "person " + to_string(placement.personNo) + " is not in people/");
            }
            if (placement.direction > 7) {
                sink.Add(where, "a person must face one of the eight directions");
            }
            if (placement.areaNoPlusOne == 0) {
                continue;
            }
            if (town == nullptr || placement.areaNoPlusOne > town->size()) {
                sink.Add(where, "area " + to_string(placement.areaNoPlusOne) +
                                    " is not an area of town.yaml");
                continue;
            }
            const auto& area = (*town)[placement.areaNoPlusOne - 1];
            if (placement.x < 0 || placement.y < 0 || placement.x >= area.width ||
                placement.y >= area.height) {
                sink.Add(where, "the person stands at " + Cell(placement.x, placement.y) +
                                    ", outside area " + to_string(placement.areaNoPlusOne));
                continue;
            }
            if (!areaPeople[placement.areaNoPlusOne - 1].insert(placement.personNo).second) {
                sink.Add(where, "person " + to_string(placement.personNo) +
                                    " already stands in area " +
                                    to_string(placement.areaNoPlusOne) + " in this stage");
            }
            areaSlots[placement.areaNoPlusOne - 1].Take(TBlockSlot::Guest, placement.x, placement.y,
                                                        where, "a placed person");
        }
        if (!event.script.empty()) {
            CheckScript(content, event.script, marks.script, sink);
        }
    }
}

void CheckAreas(const TContent& content, TCheckSink& sink) {
    if (!content.areas) {
        return;
    }
    const size_t stageCount = content.stages ? content.stages->stages.size() : 0;
    for (size_t a = 0; a < content.areas->areas.size(); ++a) {
        const auto& where = content.areas->marks.records[a];
        if (a >= MaxOfferedAreas) {
            sink.Add(where, "only the first ten areas are ever offered");
        }
        for (const auto number : content.areas->areas[a].stageNumbers) {
            if (number < 1 || number > stageCount) {
                sink.Add(where, "stage " + to_string(number) + " is not in stages/ (" +
                                    to_string(stageCount) + " stages)");
            }
        }
    }
}
