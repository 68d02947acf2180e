#include "actors/Herosbase.h"

#include "actors/Dungactfactory.h"
#include "actors/Hero.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

#include <string>
#include <utility>
#include <vector>

TCarriedState::TCarriedState() = default;
TCarriedState::~TCarriedState() = default;
TCarriedState::TCarriedState(TCarriedState&&) noexcept = default;
TCarriedState& TCarriedState::operator=(TCarriedState&&) noexcept = default;

THerosBase::THerosBase(const TDungActFactory& factory)
    : actFactory(factory), hero(factory.NewHero()) {}

THerosBase::~THerosBase() = default;

void THerosBase::BindOutputs(IHeroView* view, IHeroLinks* links) {
    hero->BindOutputs(view, links);
}

bool THerosBase::Equip(std::size_t position) {
    return hero->Equip(position);
}

void THerosBase::NewGame() {
    hero->ClearInventory();
    whereabouts = THeroWhereabouts::Village;
}

void THerosBase::WriteInventory(TDataWriter& writer) const {
    const TSaveHeroEve& inventory = hero->Inventory();
    writer.WriteCountU8(inventory.items.size(), Sjis("持ち物"));
    writer.WriteRecords(inventory.items);
    writer.WriteU32(inventory.number);
    writer.WriteU8(static_cast<std::uint8_t>(whereabouts));
}

void THerosBase::ReadInventory(TDataReader& reader) {
    AdoptInventory(ReadInventoryChecked(reader));
}

TCarriedState THerosBase::ReadInventoryChecked(TDataReader& reader) const {
    TCarriedState carried;
    TSaveHeroEve& inventory = carried.inventory;
    const size_t count = reader.ReadU8(Sjis("持ち物の数"));
    inventory.items = reader.ReadRecords<TSaveHerosItem>(count, Sjis("持ち物"));
    inventory.number = reader.ReadU32(Sjis("持ち物の番号"));
    const std::uint8_t where = reader.ReadU8(Sjis("主人公の居場所"));
    if (where > static_cast<std::uint8_t>(THeroWhereabouts::Dungeon)) {
        reader.FailContent(Sjis("主人公の居場所 ") + std::to_string(where) +
                           Sjis(" は村でもダンジョンでもありません"));
    }
    for (size_t i = 0; i < inventory.items.size(); ++i) {
        TSaveHerosItem& saved = inventory.items[i];
        const std::string which = Sjis("持ち物 ") + std::to_string(i + 1) + Sjis(" 件目");
        if (saved.item.kind < BI_Key || saved.item.kind > BI_Tool) {
            reader.FailContent(which + Sjis("の種類が正しくありません"));
        }
        try {
            carried.items.push_back(actFactory.MakeItem(saved.item));
        } catch (const TGameError& error) {
            reader.FailContent(which + ": " + error.what());
        }
        // Padding is written as 0, whatever was read.
        saved.item.padding1 = saved.item.padding2 = 0;
        saved.padding = 0;
    }
    carried.whereabouts = static_cast<THeroWhereabouts>(where);
    return carried;
}

void THerosBase::AdoptInventory(TCarriedState carried) {
    hero->ReplaceInventory(std::move(carried.inventory), std::move(carried.items));
    whereabouts = carried.whereabouts;
}

void THerosBase::GiveItem(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag) {
    std::unique_ptr<IItemImp> item = actFactory.NewItem(kind, id, carryFlag);
    if (!item) {
        throw TGameError(Sjis("種類 ") + std::to_string(kind) + Sjis(" の持ち物はありません"));
    }
    hero->AddItem(std::move(item));
}

void THerosBase::ReequipMarked() {
    hero->ReequipMarked();
}

void THerosBase::RemoveItemByKind(std::uint8_t kind, std::uint8_t id) {
    hero->RemoveItemByKind(kind, id);
}

void THerosBase::ResetForVillage() {
    hero->ResetForVillage();
}
