#include "ItemSource.h"

#include "YamlRead.h"
#include "platform/GameError.h"

namespace {

void SetName(const TYamlNode& node, char (&field)[PropNameSize]) {
    try {
        SetPropName(field, node.Text());
    } catch (const TGameError&) {
        node.Fail("the name is longer than " + std::to_string(PropNameSize - 1) +
                  " Shift-JIS bytes");
    }
}

std::vector<TItemProp> ReadNames(const TYamlNode& root, std::string_view key, TListMarks& marks) {
    std::vector<TItemProp> props;
    if (const auto list = root.Find(key)) {
        marks.where = list->Where();
    }
    for (const auto& node : root.ListAt(key)) {
        SetName(node, props.emplace_back().name);
        marks.records.push_back(node.Where());
    }
    return props;
}

} // namespace

std::optional<TItemsSource> ReadItemSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "items.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"keys", "tools", "equipment"});
    TItemsSource source;
    if (root->Has("keys") || root->Has("tools")) {
        source.items = TItemData{ReadNames(*root, "keys", source.keyMarks),
                                 ReadNames(*root, "tools", source.toolMarks)};
    }
    if (const auto list = root->Find("equipment")) {
        source.equipmentMarks.where = list->Where();
        auto& data = source.equipment.emplace();
        std::uint8_t previousList = 1;
        for (const auto& node : list->Items()) {
            node.AllowOnly(
                {"id", "name", "type", "listed", "attack", "defence", "level", "padding"});
            auto& prop = data.equipment.emplace_back();
            SetName(node.Get("name"), prop.name);
            prop.id = node.Get("id").Number<std::int32_t>();
            prop.type = node.Get("type").Number<std::uint8_t>();
            prop.attack = node.NumberAt<std::int16_t>("attack", 0);
            prop.defence = node.NumberAt<std::int16_t>("defence", 0);
            prop.requiredLevel = node.NumberAt<std::uint8_t>("level", 0);
            const auto padding = node.NumbersAt<std::uint8_t, 2>("padding");
            prop.padding1 = padding[0];
            prop.padding2 = padding[1];
            const auto listedType = node.NumberAt<std::uint8_t>("listed", prop.type);
            if (listedType < previousList || listedType > EquipTypeCount) {
                node.Fail("equipment is listed by type: all of type 1, then 2, then 3");
            }
            previousList = listedType;
            if (data.listed[listedType - 1] == 255) {
                node.Fail("more than 255 equipment records of one type");
            }
            ++data.listed[listedType - 1];
            source.equipmentMarks.records.push_back(node.Where());
        }
    }
    return source;
}
