#include "world/Floarlinks.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <optional>

namespace {

std::string Number(size_t value) {
    return std::to_string(value);
}

std::string EndName(const TFloarLinkEnd& end) {
    return Number(end.record + 1) +
           Sjis(end.list == TDataList::Objects ? " 番目の物体" : " 番目の床アクター");
}

// Follows the build through the link bytes, keeping the links each object
// holds so far.
class TLinkPlanner {
public:
    TLinkPlanner(const TFloarData& floar, TPlacementProblems& found)
        : objects(floar.objects), floarActers(floar.floarActers), problems(found),
          held(floar.objects.size()) {}

    std::vector<TFloarLink> Plan() {
        for (size_t i = 0; i < objects.size(); ++i) {
            PlanObjectLink(i);
        }
        for (size_t k = 0; k < floarActers.size(); ++k) {
            if (floarActers[k].kind == BF_FloarSwitch) {
                PlanSwitchLink(k, floarActers[k].arrivalXOrLink);
            }
        }
        return links;
    }

private:
    void PlanObjectLink(size_t i) {
        const auto& record = objects[i];
        if (record.link == 0 || !MakesOnOffObje(record)) {
            return;
        }
        const TFloarLinkEnd from{TDataList::Objects, i};
        const std::string linkText = Sjis("のリンク ") + Number(record.link);
        if (!NamesAnObject(from, record.link, linkText)) {
            return;
        }
        const size_t object = record.link - 1u;
        if (object == i) {
            problems.Add(TDataList::Objects, i, linkText + Sjis(" が自分自身を指しています"));
            return;
        }
        // The later record of a pair that names each other would link them twice.
        if (object < i && objects[object].link == i + 1) {
            problems.Add(TDataList::Objects, i,
                         linkText + ": " + Number(object + 1) +
                             Sjis(" 番目の物体もこの物体へリンクしています "
                                  "(リンクはどちらか一方にだけ書きます)"));
            return;
        }
        if (const auto own = WhyNoMoreLinks(i)) {
            problems.Add(TDataList::Objects, i, linkText + Sjis(": この") + *own);
            return;
        }
        Link(from, object, linkText);
    }

    void PlanSwitchLink(size_t k, size_t link) {
        const TFloarLinkEnd from{TDataList::FloarActers, k};
        const std::string linkText = Sjis("(床スイッチ) のリンク ") + Number(link);
        if (NamesAnObject(from, link, linkText)) {
            Link(from, link - 1, linkText);
        }
    }

    bool NamesAnObject(const TFloarLinkEnd& from, size_t link, const std::string& linkText) {
        if (link >= 1 && link <= objects.size() && MakesOnOffObje(objects[link - 1])) {
            return true;
        }
        problems.Add(from.list, from.record,
                     linkText + Sjis(" が扉かスイッチの物体を指していません"));
        return false;
    }

    void Link(const TFloarLinkEnd& from, size_t object, const std::string& linkText) {
        if (const auto other = WhyNoMoreLinks(object)) {
            problems.Add(from.list, from.record,
                         linkText + ": " + EndName({TDataList::Objects, object}) + Sjis("の") +
                             *other);
            return;
        }
        links.push_back({from, object});
        held[object].push_back(from);
        if (from.list == TDataList::Objects) {
            held[from.record].push_back({TDataList::Objects, object});
        }
    }

    // Why the object of a record can take no further link, or nothing.
    std::optional<std::string> WhyNoMoreLinks(size_t object) const {
        const auto& record = objects[object];
        if (record.kind == BO_Door && record.subKind != DoorBySwitchSubKind) {
            return Sjis("扉 (副種類 ") + Number(record.subKind) +
                   Sjis(") はリンクできません (リンクできる扉は副種類 2 だけです)");
        }
        if (record.kind == BO_WallSwitch && !held[object].empty()) {
            return Sjis("壁スイッチは既に ") + EndName(held[object].front()) +
                   Sjis("とリンクしています (壁スイッチのリンクは一つだけです)");
        }
        return std::nullopt;
    }

    const std::vector<TBlockObje>& objects;
    const std::vector<TBlockFloar>& floarActers;
    TPlacementProblems& problems;
    std::vector<std::vector<TFloarLinkEnd>> held;
    std::vector<TFloarLink> links;
};

} // namespace

std::vector<TFloarLink> FloarLinks(const TFloarData& floar) {
    std::vector<TDataProblem> found;
    TPlacementProblems problems(found, 0, Sjis("フロア"));
    auto links = TLinkPlanner(floar, problems).Plan();
    if (!found.empty()) {
        throw TGameError(found.front().message);
    }
    return links;
}

void FindFloarLinkProblems(const TFloarData& floar, TPlacementProblems& problems) {
    TLinkPlanner(floar, problems).Plan();
}
