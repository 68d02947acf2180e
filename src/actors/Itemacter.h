#pragma once

#include "actors/Idungacter.h"
#include "actors/Itemimp.h"
#include "actors/Itemrecord.h"

#include <memory>

// An item lying on a floor, in its block's item place. It never acts; the
// heroine takes the item by stepping onto the block.
class TItemActer final : public IDungActer {
public:
    TItemActer(std::unique_ptr<IItemImp> lyingItem, std::unique_ptr<IActerBody> itemBody);

    // The item's record as it lay here; it stays after the item is taken, so
    // that the floor's save list can still drop it.
    std::uint8_t* GetRecord() override { return reinterpret_cast<std::uint8_t*>(&record); }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return TActerKind::Item; }

    // Hands the item over; the actor holds none afterwards.
    std::unique_ptr<IItemImp> TakeItem() { return std::move(item); }
    IItemImp* GetItem() const { return item.get(); }

private:
    std::unique_ptr<IItemImp> item;
    TSaveItem record;
};

// The item lying on a floor, with the body of its kind.
std::unique_ptr<TItemActer> NewItemOnFloor(std::unique_ptr<IItemImp> item,
                                           const IActerBodySource& bodies);
