#include "ObjectSource.h"

#include "YamlRead.h"

namespace {

TPlanVector VectorAt(const TYamlNode& node, const char* key) {
    TPlanVector vector{0, 0, 0};
    if (const auto field = node.Find(key)) {
        const auto items = field->Items();
        if (items.size() != 3) {
            field->Fail("expected three numbers");
        }
        vector = {items[0].Float(), items[1].Float(), items[2].Float()};
    }
    return vector;
}

TPlanRota RotaAt(const TYamlNode& node, const char* key) {
    const auto vector = VectorAt(node, key);
    return {vector.x, vector.y, vector.z};
}

TObjePlan ReadPart(const TYamlNode& node, std::uint32_t objeNo) {
    node.AllowOnly({"parent", "graphics", "leaf", "at", "x_rota", "y_rota", "z_rota", "scale",
                    "visible", "variants", "grph_set", "reserved", "padding"});
    TObjePlan plan{};
    plan.objeNo = objeNo;
    plan.parentNo = node.NumberAt<std::int32_t>("parent", 0);
    plan.grphNo = node.NumberAt<std::uint32_t>("graphics", 0);
    plan.isLeaf = node.NumberAt<std::uint8_t>("leaf", plan.grphNo != 0 ? 1 : 0);
    plan.position = VectorAt(node, "at");
    plan.xRota = RotaAt(node, "x_rota");
    plan.yRota = RotaAt(node, "y_rota");
    plan.zRota = RotaAt(node, "z_rota");
    plan.scale = VectorAt(node, "scale");
    plan.visible = node.NumberAt<std::uint8_t>("visible", 1);
    const auto variants = node.NumbersAt<std::uint8_t, 7>("variants");
    std::copy(variants.begin(), variants.end(), plan.variantGrph);
    plan.grphSet = node.NumberAt<std::uint32_t>("grph_set", 0);
    plan.reserved = node.NumberAt<std::uint32_t>("reserved", 0);
    const auto padding = node.NumbersAt<std::uint8_t, 3>("padding");
    std::copy(padding.begin(), padding.end(), plan.padding);
    return plan;
}

} // namespace

std::optional<TObjectsSource> ReadObjectSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "objects.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"objects"});
    TObjectsSource source;
    source.where = root->Where();
    for (const auto& object : root->ListAt("objects")) {
        object.AllowOnly({"number", "parts"});
        const auto objeNo = object.Get("number").Number<std::uint32_t>();
        for (const auto& part : object.ListAt("parts")) {
            source.plans.push_back(ReadPart(part, objeNo));
            source.planMarks.push_back(part.Where());
        }
    }
    return source;
}
