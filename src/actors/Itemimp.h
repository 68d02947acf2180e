#pragma once

#include "actors/Itemdata.h"
#include "actors/Itemrecord.h"

#include <cstdint>
#include <string>

class TItem_Equip;

// Equipment types are the heroine's equipment places; the first holds the sword.
inline constexpr std::uint8_t EQ_Sword = 1;

// Bodies of items lying on a floor, by acter number.
inline constexpr int ToolOnFloorBody = 70;
inline constexpr int EquipmentOnFloorBodyBase = 7;
// Keys 1 to 4 have bodies of their colour; any other key gets body 0.
int KeyOnFloorBody(int keyNumber);

// Something the heroine can carry: its own record and a property shared with
// every item of its kind and id. The property tables must outlive the item.
class IItemImp {
public:
    explicit IItemImp(const TSaveItem& itemRecord) : record(itemRecord) {}
    virtual ~IItemImp() = default;
    IItemImp(const IItemImp&) = delete;
    IItemImp& operator=(const IItemImp&) = delete;

    // The name shown to the player, Shift-JIS.
    virtual std::string GetDisplayName() const = 0;
    // Restores the durability; false for items that do not wear.
    virtual bool Repair() { return false; }
    // The acter number of its body when it lies on a floor.
    virtual int FloorBody() const = 0;
    // The equipment interface, or null for keys and tools.
    virtual TItem_Equip* AsEquipment() { return nullptr; }
    const TItem_Equip* AsEquipment() const { return const_cast<IItemImp*>(this)->AsEquipment(); }

    std::uint8_t GetKind() const { return record.kind; }
    std::uint8_t GetId() const { return record.id; }
    std::uint8_t GetCarryFlag() const { return record.carryFlag; }
    std::uint8_t TakeCarryFlag() { return TakeCarryFlagFrom(record); }
    bool Wear() { return WearRecord(record); }
    const TSaveItem& GetRecord() const { return record; }

protected:
    TSaveItem& Record() { return record; }

private:
    TSaveItem record;
};

// A key or a tool: only a name.
class TPlainItem : public IItemImp {
public:
    TPlainItem(const TSaveItem& itemRecord, const TItemProp& itemProp)
        : IItemImp(itemRecord), prop(itemProp) {}

    std::string GetDisplayName() const override { return PropName(prop.name); }

private:
    const TItemProp& prop;
};

// Opens the doors and chests locked with its number.
class TItem_Key final : public TPlainItem {
public:
    using TPlainItem::TPlainItem;
    int FloorBody() const override { return KeyOnFloorBody(GetId()); }
};

class TToolItem final : public TPlainItem {
public:
    using TPlainItem::TPlainItem;
    int FloorBody() const override { return ToolOnFloorBody; }
};

// A sword or one of the two other pieces of equipment.
class TItem_Equip final : public IItemImp {
public:
    TItem_Equip(const TSaveItem& itemRecord, const TEquipItemProp& equipProp)
        : IItemImp(itemRecord), prop(equipProp) {}

    // A sword that has absorbed others carries their count behind its name.
    std::string GetDisplayName() const override;
    bool Repair() override;
    int FloorBody() const override { return EquipmentOnFloorBodyBase + GetType(); }
    TItem_Equip* AsEquipment() override { return this; }

    const TEquipItemProp& GetProperty() const { return prop; }
    std::uint8_t GetType() const { return prop.type; }
    std::uint8_t GetRequiredLevel() const { return prop.requiredLevel; }
    int GetPower() const { return prop.attack + GetRecord().synthesis; }
    int GetDefenceValue() const { return prop.defence; }
    bool IsBroken() const { return GetRecord().maxDurability != 0 && GetRecord().durability == 0; }
    int PowerIfUsable() const { return IsBroken() ? 0 : GetPower(); }
    int DefenceIfUsable() const { return IsBroken() ? 0 : GetDefenceValue(); }
    void AddSynthesis() { AddSynthesisTo(Record()); }

private:
    const TEquipItemProp& prop;
};
