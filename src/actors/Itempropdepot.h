#pragma once

#include "actors/Itemdata.h"
#include "actors/Itemimp.h"
#include "actors/Itemrecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// The property tables of every item, read once at start-up; items point into
// them, so the depot must outlive every item it made.
class TItemPropDepot {
public:
    explicit TItemPropDepot(std::string_view eqDataPath = EQDataFile,
                            std::string_view itemDataPath = ItemDataFile);
    TItemPropDepot(TEQData equipmentFile, TItemData itemTables);
    TItemPropDepot(const TItemPropDepot&) = delete;
    TItemPropDepot& operator=(const TItemPropDepot&) = delete;

    // The first equipment with that id in file order; an unknown id raises.
    const TEquipItemProp& EquipmentById(std::int32_t id) const;
    // Key (kind 1) or tool (kind 3) number `number`, counted from 1; null when
    // the table has no such number. Any other kind raises.
    const TItemProp* ItemProperty(std::uint8_t kind, int number) const;
    // The equipment the file lists under one type (1 to 3), in file order.
    const std::vector<const TEquipItemProp*>& EquipmentListedAs(std::uint8_t type) const;

    // A new item with a copy of the record, or null for a kind that is no
    // item. A key or tool number missing from its table raises.
    std::unique_ptr<IItemImp> MakeItem(const TSaveItem& record) const;
    // An item whose record is zero but for these.
    std::unique_ptr<IItemImp> NewItem(std::uint8_t kind, std::uint8_t id,
                                      std::uint8_t carryFlag) const;

private:
    const TItemProp& RequireItemProperty(std::uint8_t kind, int number) const;

    std::vector<TEquipItemProp> equipment;
    std::array<std::vector<const TEquipItemProp*>, EquipTypeCount> equipmentLists;
    TItemData items;
};
