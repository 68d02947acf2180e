#pragma once

#include "actors/Fighter.h"
#include "actors/Heroinventory.h"
#include "actors/Itemimp.h"
#include "save/Saverecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class IHeroLinks;
class IHeroView;
class TDungBlock;

// Equipment places, by equipment type; the sword's is the first.
inline constexpr int EquipPlaceCount = 3;
// The body part that shows the piece worn in place 1; places 2 and 3 follow.
inline constexpr int FirstEquipPart = 12;

// The heroine: the one fighter the player controls. Her statistics live in
// the record of the current dungeon's or village's save, so a dungeon always
// starts her anew; what she carries stays hers.
class THero final : public TFighter {
public:
    explicit THero(std::unique_ptr<IActerBody> heroBody);
    ~THero() override;

    // Where her values, remarks, talks and treasures go. Both must outlive
    // her, or be unbound first.
    void BindOutputs(IHeroView* view, IHeroLinks* links);
    IHeroView& View() const;
    IHeroLinks& Links() const;

    std::uint8_t* GetRecord() override;
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return TActerKind::Hero; }
    // Base values, the sword's unless it is broken, and places 2 and 3.
    int GetAttack() override;
    int GetDefence() override;
    bool MayEnterAnyFloor() const override { return true; }
    void SetHandMotion() { SetMotion(5); }

    // Her record becomes `heroRecord`; she waits for the player's orders.
    void PlaceHero(TDungBlock* onBlock, TSaveHero& heroRecord);
    bool IsPlaced() const { return record != nullptr; }
    // Her record; a program error before she is first placed.
    TSaveHero& Record() const;
    int GetLevel() const { return Record().level; }

    // The player's orders, taken when she is ready.
    void OrderMove(std::uint8_t dir);
    void OrderDash(std::uint8_t dir);
    void OrderStop();
    void OrderAction();
    // Starts her reserved order, or ends her turn when `run` is false; the
    // state she is in afterwards.
    DA_State TakeOrder(bool run);

    void AddItem(std::unique_ptr<IItemImp> item);
    // Takes the item off first when she wears it.
    void RemoveItem(std::size_t position);
    bool HasKey(std::uint8_t id) const;
    // With `skipDungeonOnly`, items she would lose on leaving do not count.
    bool OwnsItem(std::uint8_t kind, std::uint8_t id, bool skipDungeonOnly) const;
    // Removes the first key with that number; false when she has none.
    bool UseKey(int id);
    void RemoveItemByKind(std::uint8_t kind, std::uint8_t id);
    // Why she may not put on `item`, if she may not.
    enum class TEquipRefusal { None, NotEquipment, LevelTooLow };
    TEquipRefusal EquipRefusalFor(const IItemImp& item) const;
    // False, changing nothing, for a position beyond her items or an item
    // she may not put on.
    bool Equip(std::size_t position);
    // Place 1 to 3; false when nothing is worn there.
    bool Unequip(int place);
    // The sword at `position` absorbed another: one more point of power and
    // of durability, in the item and in its record alike.
    void StrengthenSword(std::size_t position);
    void ClearInventory();
    // Puts on, in inventory order, everything marked as worn.
    void ReequipMarked();
    // Drops what may not leave the dungeon, mends the rest, reports the
    // treasures when she leaves alive and takes everything off.
    void LeaveDungeon(bool dead);
    // A chest gave her its content; `pair` is its story event, if any.
    void ReceiveTreasure(std::unique_ptr<IItemImp> item, TTreasurePair pair);
    // One enemy less to the next level; the last one raises her level.
    void Defeated();
    void LevelUp();
    void FullHeal();
    // Takes the level of the forced-level floor under her; returns it.
    int ApplyForcedLevel();
    // 1 an exit, 2 a forced-level floor under her, just after a walk; else 0.
    int FloorKindUnder() const;
    // Takes the exit under her: > 0 the floor she goes to, < 0 out of the
    // dungeon, 0 nowhere.
    int TakeExit();
    // Her values in the village: those of level 1.
    void ResetForVillage();

    std::size_t ItemCount() const { return items.size(); }
    IItemImp& ItemAt(std::size_t position) const { return *items.at(position); }
    const TSaveHeroEve& Inventory() const { return inventory; }
    // What she wears in place 1 to 3, or null.
    IItemImp* Equipped(int place) const;
    // Where she carries `item`; ItemCount() when she does not.
    std::size_t PositionOf(const IItemImp* item) const;
    // Replaces everything she carries, taking nothing off: records and items
    // in the same order.
    void ReplaceInventory(TSaveHeroEve records, std::vector<std::unique_ptr<IItemImp>> carried);

    // Her walk has just ended; cleared whenever she enters a state.
    bool HasMoved() const { return moved; }
    void SetMoved(bool value) { moved = value; }
    // One point of wear on her sword, if she wears one; true when it broke.
    bool WearSword();
    // A finished walk onto her block: pick up, meet the fairy, look around.
    void ArriveFromWalk(const TDungBlock* from, bool dashing);

    static const TDAStateSet& HeroStates();

private:
    // Drops every item and record and empties the places.
    void DropEverything();
    int ValueOf(int baseValue, bool power) const;

    TSaveHero* record = nullptr;
    TSaveHeroEve inventory;
    std::vector<std::unique_ptr<IItemImp>> items;
    std::array<IItemImp*, EquipPlaceCount> places{};
    bool moved = false;
    IHeroView* view = nullptr;
    IHeroLinks* links = nullptr;
};
