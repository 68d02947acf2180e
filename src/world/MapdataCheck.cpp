#include "world/MapdataCheck.h"

#include "platform/SjisText.h"
#include "world/Floarlinks.h"
#include "world/PlacementProblems.h"

namespace {

std::string Number(size_t value) {
    return std::to_string(value);
}

void CheckGuests(const TFloarData& floar, TPlacementProblems& problems) {
    for (size_t i = 0; i < floar.guests.size(); ++i) {
        const auto kind = floar.guests[i].kind;
        if (kind != BG_Enemy && kind != BG_Obstacle) {
            problems.Add(TDataList::Guests, i,
                         Sjis("の種類 ") + Number(kind) +
                             Sjis(" は 1 (敵) か 2 (障害ブロック) のはずです"));
        }
    }
}

void CheckObjects(const TFloarData& floar, TPlacementProblems& problems) {
    const auto& objects = floar.objects;
    for (size_t i = 0; i < objects.size(); ++i) {
        const auto& object = objects[i];
        if (object.kind < BO_Door || object.kind > BO_Fairy) {
            problems.Add(TDataList::Objects, i,
                         Sjis("の種類 ") + Number(object.kind) + Sjis(" は 1 から 4 のはずです"));
        } else if (object.kind == BO_Door && object.subKind > DoorByHandSubKind) {
            problems.Add(TDataList::Objects, i,
                         Sjis("(扉) の副種類 ") + Number(object.subKind) +
                             Sjis(" は 7 までのはずです"));
        }
    }
}

void CheckItems(const TFloarData& floar, TPlacementProblems& problems) {
    for (size_t i = 0; i < floar.items.size(); ++i) {
        const auto& item = floar.items[i];
        if (item.kind < BI_Key || item.kind > BI_Tool) {
            problems.Add(TDataList::Items, i,
                         Sjis("の種類 ") + Number(item.kind) + Sjis(" は 1 から 3 のはずです"));
        } else if (item.chest == 0 && item.kind == BI_Tool && item.id != FreeToolId) {
            problems.Add(TDataList::Items, i,
                         Sjis("(道具 ") + Number(item.id) + Sjis(") は宝箱の中にしか置けません"));
        }
    }
}

// The floor number an exit leads to, or 0 when it leaves the dungeon.
size_t TargetFloarOf(const TBlockFloar& exit, size_t floarNumber) {
    switch (exit.subKind) {
    case EXIT_FloarUp:
        return floarNumber - 1;
    case EXIT_FloarDown:
        return floarNumber + 1;
    case EXIT_ToFloar:
        return exit.targetFloar;
    default:
        return 0;
    }
}

void CheckExit(const TStageData& stage, size_t floarNumber, size_t index, const TBlockFloar& exit,
               TPlacementProblems& problems) {
    if (exit.subKind < EXIT_FloarUp || exit.subKind > EXIT_ToFloar) {
        problems.Add(TDataList::FloarActers, index,
                     Sjis("(出口) の副種類 ") + Number(exit.subKind) +
                         Sjis(" は 1 から 5 のはずです"));
        return;
    }
    if (exit.subKind == EXIT_LeaveFirst || exit.subKind == EXIT_LeaveLast) {
        return;
    }
    const size_t target = TargetFloarOf(exit, floarNumber);
    if (target < 1 || target > stage.floars.size()) {
        problems.Add(TDataList::FloarActers, index,
                     Sjis("(出口) の行き先フロア ") + Number(target) + Sjis(" がありません"));
        return;
    }
    const auto& targetFloar = stage.floars[target - 1];
    problems.RequireArrivalInside(index, exit, targetFloar.width, targetFloar.height,
                                  Sjis("フロア ") + Number(target));
}

// A timed switch must come up again: it counts the low byte of its timer.
void CheckFloarSwitch(size_t index, const TBlockFloar& floarSwitch, TPlacementProblems& problems) {
    if (floarSwitch.subKind != 1 && floarSwitch.subKind != 2) {
        problems.Add(TDataList::FloarActers, index,
                     Sjis("(床スイッチ) の副種類 ") + Number(floarSwitch.subKind) +
                         Sjis(" は 1 か 2 のはずです"));
    } else if (floarSwitch.subKind == 1 && (floarSwitch.arrivalYOrTimer & 0xff) == 0) {
        problems.Add(TDataList::FloarActers, index,
                     Sjis("(時限床スイッチ) のターン数 ") + Number(floarSwitch.arrivalYOrTimer) +
                         Sjis(" は 1 から 255 のはずです"));
    }
}

void CheckFloarActers(const TStageData& stage, size_t floarNumber, TPlacementProblems& problems) {
    const auto& floar = stage.floars[floarNumber - 1];
    for (size_t i = 0; i < floar.floarActers.size(); ++i) {
        const auto& acter = floar.floarActers[i];
        if (acter.kind == BF_Exit) {
            CheckExit(stage, floarNumber, i, acter, problems);
        } else if (acter.kind == BF_FloarSwitch) {
            CheckFloarSwitch(i, acter, problems);
        } else if (acter.kind == BF_LevelFloar) {
            // The heroine could never be told whether she may step onto it.
            if (acter.subKind < 1 || acter.subKind > 12) {
                problems.Add(TDataList::FloarActers, i,
                             Sjis("(レベル床) の値 ") + Number(acter.subKind) +
                                 Sjis(" は 1 から 12 のはずです"));
            }
        } else if (acter.kind != BF_ForcedLevelFloar) {
            problems.Add(TDataList::FloarActers, i,
                         Sjis("の種類 ") + Number(acter.kind) + Sjis(" は 1 から 4 のはずです"));
        }
    }
}

void CheckStart(const TStageData& stage, std::vector<TDataProblem>& problems) {
    const size_t number = stage.startFloar;
    if (number < 1 || number > stage.floars.size()) {
        problems.push_back({number, TDataList::StageStart, 0,
                            Sjis("開始フロア ") + Number(number) + Sjis(" がありません")});
        return;
    }
    const auto& floar = stage.floars[number - 1];
    if (stage.startX >= floar.width || stage.startY >= floar.height) {
        problems.push_back(
            {number, TDataList::StageStart, 0,
             Sjis("開始") + TPlacementProblems::OutsideText(stage.startX, stage.startY, floar.width,
                                                            floar.height)});
    }
}

} // namespace

std::vector<TDataProblem> FindStageProblems(const TStageData& stage) {
    std::vector<TDataProblem> problems;
    // A stage without floors has no start to check.
    if (!stage.floars.empty()) {
        CheckStart(stage, problems);
    }
    for (size_t number = 1; number <= stage.floars.size(); ++number) {
        const auto& floar = stage.floars[number - 1];
        TPlacementProblems floarProblems(problems, number, Sjis("フロア ") + Number(number));
        floarProblems.RequireInside(floar.guests, TDataList::Guests, floar.width, floar.height);
        floarProblems.RequireInside(floar.objects, TDataList::Objects, floar.width, floar.height);
        floarProblems.RequireInside(floar.items, TDataList::Items, floar.width, floar.height);
        floarProblems.RequireInside(floar.floarActers, TDataList::FloarActers, floar.width,
                                    floar.height);
        floarProblems.RequireInside(floar.forces, TDataList::Forces, floar.width, floar.height);
        CheckGuests(floar, floarProblems);
        CheckObjects(floar, floarProblems);
        CheckItems(floar, floarProblems);
        CheckFloarActers(stage, number, floarProblems);
        FindFloarLinkProblems(floar, floarProblems);
    }
    return problems;
}
