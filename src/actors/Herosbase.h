#pragma once

#include "actors/Heroinventory.h"
#include "platform/SingleInstance.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class IHeroLinks;
class IHeroView;
class IItemImp;
class TDataReader;
class TDataWriter;
class TDungActFactory;
class THero;

// Where the heroine is; it decides what the dungeon operator shows and where
// a loaded game resumes.
enum class THeroWhereabouts : std::uint8_t { Village = 0, Entrance = 1, Dungeon = 2 };

// What she carries and where she is, read from a save and not yet taken.
struct TCarriedState {
    TSaveHeroEve inventory;
    std::vector<std::unique_ptr<IItemImp>> items;
    THeroWhereabouts whereabouts = THeroWhereabouts::Village;

    TCarriedState();
    ~TCarriedState();
    TCarriedState(TCarriedState&&) noexcept;
    TCarriedState& operator=(TCarriedState&&) noexcept;
};

// The holder of the one heroine for the whole program, and of where she is.
// Made by the application after the dungeon actor factory, which makes her.
class THerosBase : public TSingleInstance<THerosBase> {
public:
    // `factory` must outlive the holder: her items are made through it.
    explicit THerosBase(const TDungActFactory& factory);
    ~THerosBase();
    THerosBase(const THerosBase&) = delete;
    THerosBase& operator=(const THerosBase&) = delete;

    THero& GetHero() const { return *hero; }
    THeroWhereabouts GetWhereabouts() const { return whereabouts; }
    void SetWhereabouts(THeroWhereabouts where) { whereabouts = where; }
    // Where she reports; unbound with nulls before either goes.
    void BindOutputs(IHeroView* view, IHeroLinks* links);

    bool Equip(std::size_t position);
    // Nothing carried, in the village.
    void NewGame();
    // u8 count, the 16-byte inventory records, the u32 number, the
    // whereabouts byte.
    void WriteInventory(TDataWriter& writer) const;
    // Replaces what she carries and where she is, wearing nothing; a refused
    // stream changes nothing.
    void ReadInventory(TDataReader& reader);
    // The reading without the replacing, for a loader that checks a whole
    // save before it changes the game; then AdoptInventory takes it.
    TCarriedState ReadInventoryChecked(TDataReader& reader) const;
    void AdoptInventory(TCarriedState carried);
    // A new item for her, from the story.
    void GiveItem(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag);
    void ReequipMarked();
    void RemoveItemByKind(std::uint8_t kind, std::uint8_t id);
    void ResetForVillage();

private:
    const TDungActFactory& actFactory;
    std::unique_ptr<THero> hero;
    THeroWhereabouts whereabouts = THeroWhereabouts::Village;
};
