#include "village/Storycheck.h"

#include "platform/SjisText.h"
#include "village/Scriptline.h"
#include "world/Base3dutil.h"
#include "world/BlockRecords.h"

#include <map>

namespace {

constexpr std::int32_t EntranceAreaCount = 9;

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// Checks the lines of one command text. `at` points at the record holding the
// text, its message names the text.
class TScriptChecker {
public:
    TScriptChecker(const TStoryData& storyData, std::vector<TDataProblem>& target)
        : story(storyData), problems(target) {}

    void CheckAfterTalk(const TDataProblem& at, const std::string& text) {
        Check(at, text, [&](const TScriptLine& line) {
            if (line.command == "EventTermGo") {
                CheckEventTermGo(line);
            } else if (line.command == "DungInfo") {
                Add(Sjis("DungInfo は会話後処理では使えません (エラーになります)"));
            } else {
                AddUnknown(line);
            }
        });
    }

    void CheckStageScript(const TDataProblem& at, const std::string& text) {
        Check(at, text, [&](const TScriptLine& line) {
            if (line.command == "TalkChange") {
                CheckTalkChange(line);
            } else if (line.command == "ItemAdd" || line.command == "ItemDelete") {
                CheckItem(line);
            } else if (line.command == "DungInfo") {
                CheckDungInfo(line);
            } else {
                AddUnknown(line);
            }
        });
    }

private:
    template <typename TCheckLine>
    void Check(const TDataProblem& at, const std::string& text, TCheckLine checkLine) {
        const auto lines = SplitScript(text);
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].command.empty() && lines[i].arguments.empty()) {
                continue;
            }
            current = at;
            current.message += " " + Number(i + 1) + Sjis(" 行目: ");
            checkLine(lines[i]);
        }
    }

    void Add(const std::string& problem) {
        problems.push_back(current);
        problems.back().message += problem;
    }

    void AddUnknown(const TScriptLine& line) {
        Add(Sjis("不明な命令 ") + line.command + Sjis(" (無視されます)"));
    }

    // The arguments as numbers, or none after reporting why not.
    std::optional<std::vector<std::int32_t>> Arguments(const TScriptLine& line, size_t count) {
        if (line.arguments.size() != count) {
            Add(line.command + Sjis(" の引数は ") + Number(count) + Sjis(" 個のはずです (") +
                Number(line.arguments.size()) + Sjis(" 個あります)"));
            return std::nullopt;
        }
        std::vector<std::int32_t> values;
        for (const auto& argument : line.arguments) {
            const auto value = ScriptNumber(argument);
            if (!value) {
                Add(line.command + Sjis(" の引数 ") + argument + Sjis(" が10進数ではありません"));
                return std::nullopt;
            }
            values.push_back(*value);
        }
        return values;
    }

    // A stage that needs no condition is left by any accepted one.
    void CheckEventTermGo(const TScriptLine& line) {
        const auto values = Arguments(line, 2);
        if (!values) {
            return;
        }
        const auto stage = (*values)[0];
        const auto condition = (*values)[1];
        // Stage numbers count from 1: stage s is event record s - 1.
        if (stage < 1 || static_cast<size_t>(stage) > story.events.size()) {
            Add(Sjis("ステージ ") + Number(stage) + Sjis(" がありません (ステージは 1 から ") +
                Number(story.events.size()) + ")");
            return;
        }
        const auto needed = story.events[static_cast<size_t>(stage) - 1].neededConditions;
        if (condition < 1 || condition > MaxEventConditions) {
            Add(Sjis("条件 ") + Number(condition) + Sjis(" は 1 から ") +
                Number(MaxEventConditions) + Sjis(" のはずです"));
        } else if (needed > 0 && condition > needed) {
            Add(Sjis("条件 ") + Number(condition) + Sjis(" はステージ ") + Number(stage) +
                Sjis(" (イベント ") + Number(stage - 1) + Sjis(") の必要条件数 ") + Number(needed) +
                Sjis(" を超えていて、意味がありません"));
        }
    }

    void CheckTalkChange(const TScriptLine& line) {
        const auto values = Arguments(line, 2);
        if (!values) {
            return;
        }
        const auto personNo = (*values)[0];
        const auto talkNo = (*values)[1];
        const TPeopleImp* person =
            personNo < 0 ? nullptr
                         : FindPeopleImp(story.people, static_cast<std::uint32_t>(personNo));
        if (!person) {
            Add(Sjis("人物 ") + Number(personNo) + Sjis(" がいません"));
        } else if (talkNo < 1 || static_cast<size_t>(talkNo) > person->talks.size()) {
            Add(Sjis("人物 ") + Number(personNo) + Sjis(" に会話 ") + Number(talkNo) +
                Sjis(" がありません (会話は ") + Number(person->talks.size()) + Sjis(" 個)"));
        }
    }

    void CheckItem(const TScriptLine& line) {
        const auto values = Arguments(line, 2);
        if (!values) {
            return;
        }
        const auto kind = (*values)[0];
        const auto number = (*values)[1];
        const auto inTable = [&](const std::vector<TItemProp>& table) {
            return number >= 1 && static_cast<size_t>(number) <= table.size();
        };
        bool found = false;
        switch (kind) {
        case 1:
            found = inTable(story.items.keys);
            break;
        case 2:
            found = FindEquipment(story.equipment, number) != nullptr;
            break;
        case 3:
            found = inTable(story.items.tools);
            break;
        default:
            Add(Sjis("アイテムの種類 ") + Number(kind) + Sjis(" は 1 から 3 のはずです"));
            return;
        }
        if (!found) {
            Add(Sjis("種類 ") + Number(kind) + Sjis(" のアイテム ") + Number(number) +
                Sjis(" がありません"));
        }
    }

    void CheckDungInfo(const TScriptLine& line) {
        const auto values = Arguments(line, 1);
        if (values && ((*values)[0] < 1 || (*values)[0] > EntranceAreaCount)) {
            Add(Sjis("エリア ") + Number((*values)[0]) + Sjis(" は 1 から ") +
                Number(EntranceAreaCount) + Sjis(" のはずです"));
        }
    }

    const TStoryData& story;
    std::vector<TDataProblem>& problems;
    TDataProblem current; // points at the line being checked
};

void CheckPeople(const TStoryData& story, TScriptChecker& scripts,
                 std::vector<TDataProblem>& problems) {
    std::map<std::uint32_t, int> seen;
    for (size_t p = 0; p < story.people.size(); ++p) {
        const auto& person = story.people[p];
        const auto who = Sjis("人物 ") + Number(person.personNo);
        if (++seen[person.personNo] == 2) {
            problems.push_back({0, TDataList::People, p,
                                who + Sjis(" が 2 回以上あります (後のものは使われません)")});
        }
        for (size_t k = 0; k < person.talks.size(); ++k) {
            const auto& talk = person.talks[k];
            const TDataProblem at{p, TDataList::Talks, k,
                                  who + Sjis(" の会話 ") + Number(k + 1) + Sjis(" の会話後処理")};
            if (!talk.choices.empty() && !talk.afterTalk.empty()) {
                problems.push_back(at);
                problems.back().message += Sjis(": 選択肢のある会話では実行されません");
                continue;
            }
            scripts.CheckAfterTalk(at, talk.afterTalk);
        }
    }
}

void CheckPlacements(const TStoryData& story, size_t eventIndex,
                     std::vector<TDataProblem>& problems) {
    const auto& placements = story.events[eventIndex].placements;
    for (size_t i = 0; i < placements.size(); ++i) {
        const auto& placement = placements[i];
        const auto add = [&](const std::string& text) {
            problems.push_back({eventIndex, TDataList::Placements, i,
                                Sjis("イベント ") + Number(eventIndex) + Sjis(" の ") +
                                    Number(i + 1) + Sjis(" 番目の配置: ") + text});
        };
        if (!FindPeopleImp(story.people, placement.personNo)) {
            add(Sjis("人物 ") + Number(placement.personNo) + Sjis(" がいません"));
        }
        if (!IsOrthogonalWay(placement.direction) && !IsDiagonalWay(placement.direction)) {
            add(Sjis("向き ") + Number(placement.direction) + Sjis(" は 0 から 7 のはずです"));
        }
        // The area byte holds the area number + 1.
        if (placement.areaNoPlusOne < 1 || placement.areaNoPlusOne > story.town.size()) {
            add(Sjis("エリア番号+1 の ") + Number(placement.areaNoPlusOne) +
                Sjis(" に当たるエリアがありません (エリア数 ") + Number(story.town.size()) + ")");
            continue;
        }
        const auto& area = story.town[placement.areaNoPlusOne - 1u];
        if (placement.x < 0 || placement.y < 0 || placement.x >= area.width ||
            placement.y >= area.height) {
            add("(" + Number(placement.x) + ", " + Number(placement.y) + Sjis(") はエリア ") +
                Number(placement.areaNoPlusOne - 1) + Sjis(" の外です"));
        }
    }
}

void CheckEvents(const TStoryData& story, TScriptChecker& scripts,
                 std::vector<TDataProblem>& problems) {
    for (size_t i = 0; i < story.events.size(); ++i) {
        const TDataProblem at{0, TDataList::Events, i,
                              Sjis("イベント ") + Number(i) + Sjis(" のスクリプト")};
        if (i == 0 && !story.events[0].script.empty()) {
            problems.push_back(at);
            problems.back().message += Sjis(": ステージ 0 のスクリプトは実行されません");
        } else {
            scripts.CheckStageScript(at, story.events[i].script);
        }
        CheckPlacements(story, i, problems);
    }
}

void CheckVillagePeople(const TStoryData& story, std::vector<TDataProblem>& problems) {
    for (size_t area = 0; area < story.town.size(); ++area) {
        const auto& objects = story.town[area].objects;
        for (size_t i = 0; i < objects.size(); ++i) {
            if (objects[i].kind == BO_Person && objects[i].subKind != 0 &&
                !FindPeopleImp(story.people, objects[i].subKind)) {
                problems.push_back({area, TDataList::Objects, i,
                                    Sjis("エリア ") + Number(area) + ": " + Number(i + 1) +
                                        Sjis(" 番目の物体の人物 ") + Number(objects[i].subKind) +
                                        Sjis(" がいません")});
            }
        }
    }
}

} // namespace

std::vector<TDataProblem> FindStoryProblems(const TStoryData& story) {
    std::vector<TDataProblem> problems;
    TScriptChecker scripts(story, problems);
    CheckPeople(story, scripts, problems);
    CheckEvents(story, scripts, problems);
    CheckVillagePeople(story, problems);
    return problems;
}
