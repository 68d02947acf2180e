#include "world/WOPlanDepot.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"
#include "world/NamedRecords.h"

#include <algorithm>

template <typename TPlan> TWOPlanFile<TPlan> ReadWOPlanFile(TDataReader& reader) {
    const std::string what = Sjis("プラン");
    const size_t count = reader.ReadCountI32(Sjis("プラン数"));
    // Every plan is followed by at least the length byte of its name.
    TWOPlanFile<TPlan> plans = ReadNamedRecords(
        reader, count, sizeof(TPlan) + 1, what,
        [](size_t i) { return Sjis("プラン ") + std::to_string(i + 1); },
        [&] {
            TWOPlanEntry<TPlan> entry;
            reader.ReadBytes(&entry.plan, sizeof(TPlan), what);
            entry.name = reader.ReadShortString(Sjis("名前"));
            return entry;
        });
    reader.SetContext({});
    reader.RequireEnd();
    return plans;
}

template <typename TPlan>
void WriteWOPlanFile(TDataWriter& writer, const TWOPlanFile<TPlan>& plans) {
    writer.WriteCountI32(plans.size(), Sjis("プラン"));
    for (const auto& entry : plans) {
        writer.WriteBytes(&entry.plan, sizeof(TPlan));
        writer.WriteShortString(entry.name);
    }
}

template <typename TPlan>
TWOPlanDepot<TPlan>::TWOPlanDepot(std::string_view sjisName) : fileName(sjisName) {
    RequireDataFileExists(sjisName);
    auto reader = TDataReader::FromFile(sjisName);
    const auto entries = ReadWOPlanFile<TPlan>(reader);
    plans.reserve(entries.size());
    for (const auto& entry : entries) {
        plans.push_back(entry.plan);
    }
}

template <typename TPlan> const TPlan* TWOPlanDepot<TPlan>::FindPlan(std::int32_t id) const {
    const auto found =
        std::find_if(plans.begin(), plans.end(), [id](const TPlan& plan) { return plan.id == id; });
    return found == plans.end() ? nullptr : &*found;
}

template <typename TPlan> const TPlan& TWOPlanDepot<TPlan>::RequirePlan(std::int32_t id) const {
    const TPlan* plan = FindPlan(id);
    if (plan == nullptr) {
        throw TGameError(Sjis("ID ") + std::to_string(id) + Sjis(" のプランがありません ") +
                         fileName);
    }
    return *plan;
}

template TWOPlanFile<TObjePlanMini> ReadWOPlanFile(TDataReader&);
template TWOPlanFile<TBigObjePlan> ReadWOPlanFile(TDataReader&);
template void WriteWOPlanFile(TDataWriter&, const TWOPlanFile<TObjePlanMini>&);
template void WriteWOPlanFile(TDataWriter&, const TWOPlanFile<TBigObjePlan>&);
template class TWOPlanDepot<TObjePlanMini>;
template class TWOPlanDepot<TBigObjePlan>;
