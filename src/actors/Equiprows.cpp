#include "actors/Equiprows.h"

#include "actors/Hero.h"
#include "actors/Itemimp.h"
#include "actors/Itemrecord.h"
#include "platform/SjisText.h"
#include "world/Mapdata.h"

#include <cstdlib>

namespace {

// The tool whose owner may combine swords.
constexpr std::uint8_t SwordUniteTool = 5;

constexpr std::uint32_t Blue = 0x0000FF;
constexpr std::uint32_t Red = 0xFF0000;

// A value the lists leave empty when it is 0.
std::string Amount(int value) {
    return value == 0 ? std::string() : std::to_string(value);
}

std::string Durability(const IItemImp& item) {
    const TSaveItem& record = item.GetRecord();
    if (record.maxDurability == 0) {
        return {};
    }
    return std::to_string(record.durability) + "/" + std::to_string(record.maxDurability);
}

std::string CarryMark(std::uint8_t flag) {
    switch (flag) {
    case CF_Permanent:
        return Sjis("☆");
    case CF_DungeonOnly:
        return Sjis("×");
    case CF_KeptIfAlive:
        return Sjis("○");
    default:
        return {};
    }
}

} // namespace

TEquipRowText EquipRowOf(const IItemImp* item) {
    if (!item) {
        return {};
    }
    TEquipRowText row;
    row.name = item->GetDisplayName();
    if (const TItem_Equip* piece = item->AsEquipment()) {
        row.attack = Amount(piece->GetPower());
        row.defence = Amount(piece->GetDefenceValue());
    }
    row.durability = Durability(*item);
    return row;
}

TCarriedRow CarriedRowOf(const THero& hero, std::size_t position) {
    const IItemImp& item = hero.ItemAt(position);
    TCarriedRow row;
    if (const TItem_Equip* piece = item.AsEquipment()) {
        row.icon = piece->GetType() - 1;
        if (hero.Equipped(piece->GetType()) == &item) {
            row.mark = "E";
        }
        row.effect =
            Amount(piece->GetType() == EQ_Sword ? piece->GetPower() : piece->GetDefenceValue());
    }
    row.name = item.GetDisplayName();
    row.durability = Durability(item);
    row.carry = CarryMark(item.GetCarryFlag());
    return row;
}

bool MayUniteSwords(const THero& hero) {
    return hero.OwnsItem(BI_Tool, SwordUniteTool, false);
}

TDifferenceText DifferenceText(int difference) {
    if (difference > 0) {
        return {Sjis("↑ ") + std::to_string(difference), Blue};
    }
    if (difference < 0) {
        return {Sjis("↓ ") + std::to_string(std::abs(difference)), Red};
    }
    return {};
}

TEquipDifferences DifferencesOf(const THero& hero, const IItemImp* item) {
    const TItem_Equip* piece = item ? item->AsEquipment() : nullptr;
    if (!piece) {
        return {};
    }
    const IItemImp* worn = hero.Equipped(piece->GetType());
    const TItem_Equip* wornPiece = worn ? worn->AsEquipment() : nullptr;
    const int wornPower = wornPiece ? wornPiece->GetPower() : 0;
    const int wornDefence = wornPiece ? wornPiece->GetDefenceValue() : 0;
    return {DifferenceText(piece->GetPower() - wornPower),
            DifferenceText(piece->GetDefenceValue() - wornDefence)};
}

TEquipContents EquipContentsOf(THero& hero) {
    TEquipContents contents;
    for (int place = 1; place <= EquipPlaceCount; ++place) {
        contents.equipped[static_cast<std::size_t>(place - 1)] = EquipRowOf(hero.Equipped(place));
    }
    for (std::size_t i = 0; i < hero.ItemCount(); ++i) {
        contents.carried.push_back(CarriedRowOf(hero, i));
    }
    contents.uniteOffered = MayUniteSwords(hero);
    contents.attack = hero.GetAttack();
    contents.defence = hero.GetDefence();
    return contents;
}
