#include "ObjectSource.h"
#include "YamlWrite.h"

#include <algorithm>
#include <array>

namespace {

bool IsZero(const TPlanVector& v) {
    return v.x == 0 && v.y == 0 && v.z == 0 && !std::signbit(v.x) && !std::signbit(v.y) &&
           !std::signbit(v.z);
}

void VectorIfSet(TRecordOut& line, const char* key, float a, float b, float c) {
    if (!IsZero({a, b, c})) {
        line.Floats(key, {a, b, c});
    }
}

void DumpPart(YAML::Emitter& out, const TObjePlan& plan) {
    TRecordOut line(out);
    line.NumberIfSet("parent", plan.parentNo).NumberIfSet("graphics", plan.grphNo);
    if (plan.isLeaf != (plan.grphNo != 0 ? 1 : 0)) {
        line.Number("leaf", plan.isLeaf);
    }
    VectorIfSet(line, "at", plan.position.x, plan.position.y, plan.position.z);
    VectorIfSet(line, "x_rota", plan.xRota.angle, plan.xRota.shiftA, plan.xRota.shiftB);
    VectorIfSet(line, "y_rota", plan.yRota.angle, plan.yRota.shiftA, plan.yRota.shiftB);
    VectorIfSet(line, "z_rota", plan.zRota.angle, plan.zRota.shiftA, plan.zRota.shiftB);
    VectorIfSet(line, "scale", plan.scale.x, plan.scale.y, plan.scale.z);
    if (plan.visible != 1) {
        line.Number("visible", plan.visible);
    }
    std::array<std::uint8_t, 7> variants{};
    std::copy(std::begin(plan.variantGrph), std::end(plan.variantGrph), variants.begin());
    line.NumbersIfSet("variants", variants)
        .NumberIfSet("grph_set", plan.grphSet)
        .NumberIfSet("reserved", plan.reserved)
        .NumbersIfSet("padding", std::array<std::uint8_t, 3>{plan.padding[0], plan.padding[1],
                                                             plan.padding[2]});
}

} // namespace

TSourceTexts DumpObjects(const std::vector<TObjePlan>& plans) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "objects" << YAML::Value << YAML::BeginSeq;
    for (size_t i = 0; i < plans.size();) {
        const auto objeNo = plans[i].objeNo;
        out << YAML::BeginMap << YAML::Key << "number" << YAML::Value
            << static_cast<long long>(objeNo) << YAML::Key << "parts" << YAML::Value
            << YAML::BeginSeq;
        for (; i < plans.size() && plans[i].objeNo == objeNo; ++i) {
            DumpPart(out, plans[i]);
        }
        out << YAML::EndSeq << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"objects.yaml", out.c_str()}};
}
