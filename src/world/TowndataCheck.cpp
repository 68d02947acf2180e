#include "world/TowndataCheck.h"

#include "platform/SjisText.h"
#include "world/PlacementProblems.h"

namespace {

std::string Number(size_t value) {
    return std::to_string(value);
}

void CheckObjects(const TFieldData& field, TPlacementProblems& problems) {
    for (size_t i = 0; i < field.objects.size(); ++i) {
        const auto kind = field.objects[i].kind;
        if (kind != BO_BigObje && kind != BO_Person) {
            problems.Add(TDataList::Objects, i,
                         Sjis("の種類 ") + Number(kind) +
                             Sjis(" は 1 (大物体) か 2 (人) のはずです"));
        }
    }
}

void CheckExit(const TTownData& areas, size_t index, const TBlockFloar& exit,
               TPlacementProblems& problems) {
    if (exit.subKind == EXIT_LeaveFirst || exit.subKind == EXIT_LeaveLast) {
        return;
    }
    if (exit.subKind != EXIT_ToFloar) {
        problems.Add(TDataList::FloarActers, index,
                     Sjis("(出口) の副種類 ") + Number(exit.subKind) +
                         Sjis(" は 3 から 5 のはずです"));
        return;
    }
    // The exit names its target by position + 1.
    if (exit.targetFloar < 1 || exit.targetFloar > areas.size()) {
        problems.Add(TDataList::FloarActers, index,
                     Sjis("(出口) の行き先 ") + Number(exit.targetFloar) +
                         Sjis(" に当たるエリアがありません (エリア数 ") + Number(areas.size()) +
                         ")");
        return;
    }
    const auto& target = areas[exit.targetFloar - 1u];
    problems.RequireArrivalInside(index, exit, target.width, target.height,
                                  Sjis("エリア ") + Number(exit.targetFloar - 1u));
}

void CheckFloarActers(const TTownData& areas, const TFieldData& field,
                      TPlacementProblems& problems) {
    for (size_t i = 0; i < field.floarActers.size(); ++i) {
        const auto& acter = field.floarActers[i];
        if (acter.kind == BF_Exit) {
            CheckExit(areas, i, acter, problems);
        } else {
            problems.Add(TDataList::FloarActers, i,
                         Sjis("の種類 ") + Number(acter.kind) + Sjis(" は 1 (出口) のはずです"));
        }
    }
}

} // namespace

std::vector<TDataProblem> FindTownProblems(const TTownData& areas) {
    std::vector<TDataProblem> problems;
    for (size_t area = 0; area < areas.size(); ++area) {
        const auto& field = areas[area];
        TPlacementProblems fieldProblems(problems, area, Sjis("エリア ") + Number(area));
        fieldProblems.RequireInside(field.objects, TDataList::Objects, field.width, field.height);
        fieldProblems.RequireInside(field.floarActers, TDataList::FloarActers, field.width,
                                    field.height);
        CheckObjects(field, fieldProblems);
        CheckFloarActers(areas, field, fieldProblems);
    }
    return problems;
}
