#include "actors/Itempropdepot.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Mapdata.h"

TItemPropDepot::TItemPropDepot(std::string_view eqDataPath, std::string_view itemDataPath)
    : TItemPropDepot(LoadEQData(eqDataPath), LoadItemData(itemDataPath)) {}

TItemPropDepot::TItemPropDepot(TEQData equipmentFile, TItemData itemTables)
    : equipment(std::move(equipmentFile.equipment)), items(std::move(itemTables)) {
    for (size_t i = 0; i < equipment.size(); ++i) {
        equipmentLists[equipmentFile.ListedType(i) - 1].push_back(&equipment[i]);
    }
}

const TEquipItemProp& TItemPropDepot::EquipmentById(std::int32_t id) const {
    const TEquipItemProp* prop = FindEquipment(equipment, id);
    if (!prop) {
        throw TGameError(Sjis("ID指定による装備プロパティ取得エラー"));
    }
    return *prop;
}

const TItemProp* TItemPropDepot::ItemProperty(std::uint8_t kind, int number) const {
    if (kind != BI_Key && kind != BI_Tool) {
        throw TGameError(Sjis("通常アイテムプロパティ取得エラー"));
    }
    const std::vector<TItemProp>& table = kind == BI_Key ? items.keys : items.tools;
    if (number < 1 || static_cast<size_t>(number) > table.size()) {
        return nullptr;
    }
    return &table[number - 1];
}

const std::vector<const TEquipItemProp*>&
TItemPropDepot::EquipmentListedAs(std::uint8_t type) const {
    static const std::vector<const TEquipItemProp*> none;
    return type >= 1 && type <= EquipTypeCount ? equipmentLists[type - 1] : none;
}

const TItemProp& TItemPropDepot::RequireItemProperty(std::uint8_t kind, int number) const {
    const TItemProp* prop = ItemProperty(kind, number);
    if (!prop) {
        // A nameless key or tool would break every screen that lists it.
        throw TGameError(Sjis(kind == BI_Key ? "鍵 " : "道具 ") + std::to_string(number) +
                         Sjis(" のプロパティが ") + std::string(ItemDataFile) +
                         Sjis(" にありません"));
    }
    return *prop;
}

std::unique_ptr<IItemImp> TItemPropDepot::MakeItem(const TSaveItem& record) const {
    switch (record.kind) {
    case BI_Key:
        return std::make_unique<TItem_Key>(record, RequireItemProperty(BI_Key, record.id));
    case BI_Equipment:
        return std::make_unique<TItem_Equip>(record, EquipmentById(record.id));
    case BI_Tool:
        return std::make_unique<TToolItem>(record, RequireItemProperty(BI_Tool, record.id));
    default:
        return nullptr;
    }
}

std::unique_ptr<IItemImp> TItemPropDepot::NewItem(std::uint8_t kind, std::uint8_t id,
                                                  std::uint8_t carryFlag) const {
    TSaveItem record;
    record.kind = kind;
    record.id = id;
    record.carryFlag = carryFlag;
    return MakeItem(record);
}
