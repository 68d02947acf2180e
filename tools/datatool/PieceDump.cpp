#include "PieceSource.h"
#include "YamlWrite.h"

namespace {

template <typename TPlan>
TSourceTexts DumpSection(const char* section, const TWOPlanFile<TPlan>& plans) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << section << YAML::Value << YAML::BeginSeq;
    for (const auto& entry : plans) {
        TRecordOut line(out);
        line.Number("id", entry.plan.id).Number("body", entry.plan.bodyNumber);
        if constexpr (std::is_same_v<TPlan, TBigObjePlan>) {
            line.NumberIfSet("unused", entry.plan.unused);
        }
        line.Text("name", entry.name);
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"pieces.yaml", out.c_str()}};
}

} // namespace

TSourceTexts DumpPieces(const char* section, const TWOPlanFile<TObjePlanMini>& plans) {
    return DumpSection(section, plans);
}

TSourceTexts DumpBigObjects(const TWOPlanFile<TBigObjePlan>& plans) {
    return DumpSection("big_objects", plans);
}
