#include "support/TestItems.h"

#include "platform/SjisText.h"
#include "world/Base3dutil.h"

TItemProp TestItemProp(const std::string& sjisName) {
    TItemProp prop;
    SetPropName(prop.name, sjisName);
    return prop;
}

TEquipItemProp TestEquipProp(const std::string& sjisName, std::int32_t id, std::uint8_t type,
                             std::int16_t attack, std::int16_t defence,
                             std::uint8_t requiredLevel) {
    TEquipItemProp prop;
    SetPropName(prop.name, sjisName);
    prop.id = id;
    prop.type = type;
    prop.attack = attack;
    prop.defence = defence;
    prop.requiredLevel = requiredLevel;
    return prop;
}

const TItemPropDepot& TestItemDepot() {
    static const TItemPropDepot depot(
        TEQData{{TestEquipProp(Sjis("銅の剣"), 10, 1, 3, 0, 1),
                 TestEquipProp(Sjis("鋼の剣"), 11, 1, 6, 1, 3),
                 TestEquipProp(Sjis("盾"), 20, 2, 0, 2), TestEquipProp(Sjis("兜"), 30, 3, 1, 1, 2)},
                {2, 1, 1}},
        TItemData{{TestItemProp(Sjis("鍵1")), TestItemProp(Sjis("鍵2")), TestItemProp(Sjis("鍵3")),
                   TestItemProp(Sjis("鍵4"))},
                  {TestItemProp(Sjis("道具1")), TestItemProp(Sjis("道具2")),
                   TestItemProp(Sjis("道具3")), TestItemProp(Sjis("道具4")),
                   TestItemProp(Sjis("道具5"))}});
    return depot;
}

TSaveItem FloorItemRecord(std::uint8_t kind, std::uint8_t id, std::int16_t x, std::int16_t y) {
    TSaveItem record;
    record.kind = kind;
    record.id = id;
    record.x = x;
    record.y = y;
    record.direction = DW_South;
    record.carryFlag = CF_DungeonOnly;
    return record;
}

TSaveItem WornItemRecord(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag,
                         std::uint8_t maximum, std::uint8_t left) {
    TSaveItem record = FloorItemRecord(kind, id);
    record.carryFlag = carryFlag;
    record.maxDurability = maximum;
    record.durability = left;
    return record;
}

std::unique_ptr<TItemActer> TestItemActer(const TSaveItem& record) {
    return std::make_unique<TItemActer>(TestItemDepot().MakeItem(record), nullptr);
}
