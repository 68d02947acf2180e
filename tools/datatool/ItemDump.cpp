#include "ItemSource.h"
#include "YamlWrite.h"

#include <algorithm>
#include <array>

namespace {

// The game reads a name up to its NUL; what follows in the field it ignores,
// and the source leaves out.
class TNameNotes {
public:
    std::string NameOf(const char (&field)[PropNameSize], const std::string& what) {
        const auto text = PropName(field);
        if (std::any_of(field + text.size(), field + PropNameSize, [](char c) { return c != 0; })) {
            notes.push_back(what + ": the game ignores the bytes after the end of the name");
        }
        return text;
    }

    std::vector<std::string> notes;
};

void DumpNames(YAML::Emitter& out, const char* key, const std::string& what,
               const std::vector<TItemProp>& props, TNameNotes& names) {
    out << YAML::Key << key << YAML::Value << YAML::BeginSeq;
    for (size_t i = 0; i < props.size(); ++i) {
        EmitText(out, names.NameOf(props[i].name, what + " " + std::to_string(i + 1)));
    }
    out << YAML::EndSeq;
}

} // namespace

TSourceTexts DumpItems(const TItemData& items) {
    YAML::Emitter out;
    TNameNotes names;
    out << YAML::BeginMap;
    DumpNames(out, "keys", "key", items.keys, names);
    DumpNames(out, "tools", "tool", items.tools, names);
    out << YAML::EndMap;
    return {{"items.yaml", out.c_str(), names.notes}};
}

TSourceTexts DumpEquipment(const TEQData& data) {
    YAML::Emitter out;
    TNameNotes names;
    out << YAML::BeginMap << YAML::Key << "equipment" << YAML::Value << YAML::BeginSeq;
    for (size_t i = 0; i < data.equipment.size(); ++i) {
        const auto& prop = data.equipment[i];
        const auto listedType = data.ListedType(i);
        TRecordOut record(out);
        record.Number("id", prop.id)
            .Text("name", names.NameOf(prop.name, "equipment " + std::to_string(i + 1)))
            .Number("type", prop.type);
        if (listedType != prop.type) {
            record.Number("listed", listedType);
        }
        record.Number("attack", prop.attack)
            .Number("defence", prop.defence)
            .Number("level", prop.requiredLevel)
            .NumbersIfSet("padding", std::array{prop.padding1, prop.padding2});
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"items.yaml", out.c_str(), names.notes}};
}
