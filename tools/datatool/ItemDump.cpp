#include "ItemSource.h"
#include "YamlWrite.h"
#include "platform/GameError.h"

#include <algorithm>
#include <array>

namespace {

// The sources keep a name only up to its end; bytes behind it would be lost.
std::string NameOf(const char (&field)[PropNameSize]) {
    const auto text = PropName(field);
    if (std::any_of(field + text.size(), field + PropNameSize, [](char c) { return c != 0; })) {
        throw TGameError("a name field holds bytes after its end, which a source cannot keep");
    }
    return text;
}

void DumpNames(YAML::Emitter& out, const char* key, const std::vector<TItemProp>& props) {
    out << YAML::Key << key << YAML::Value << YAML::BeginSeq;
    for (const auto& prop : props) {
        EmitText(out, NameOf(prop.name));
    }
    out << YAML::EndSeq;
}

} // namespace

TSourceTexts DumpItems(const TItemData& items) {
    YAML::Emitter out;
    out << YAML::BeginMap;
    DumpNames(out, "keys", items.keys);
    DumpNames(out, "tools", items.tools);
    out << YAML::EndMap;
    return {{"items.yaml", out.c_str()}};
}

TSourceTexts DumpEquipment(const TEQData& data) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "equipment" << YAML::Value << YAML::BeginSeq;
    for (size_t i = 0; i < data.equipment.size(); ++i) {
        const auto& prop = data.equipment[i];
        const auto listedType = data.ListedType(i);
        TRecordOut record(out);
        record.Number("id", prop.id).Text("name", NameOf(prop.name)).Number("type", prop.type);
        if (listedType != prop.type) {
            record.Number("listed", listedType);
        }
        record.Number("attack", prop.attack)
            .Number("defence", prop.defence)
            .Number("level", prop.requiredLevel)
            .NumbersIfSet("padding", std::array{prop.padding1, prop.padding2});
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"items.yaml", out.c_str()}};
}
