#pragma once

#include "actors/Itemimp.h"
#include "actors/Onoffobje.h"
#include "save/Saverecords.h"

#include <cstdint>
#include <memory>

// Chests locked with a number above this need no key.
inline constexpr int HighestKeyNumber = 4;

// A treasure chest in its block's wall-object place. It holds one item until
// the heroine opens it; when its lid is up she has the item, with the chest's
// event mark for the story, and the chest stays open.
class TBox final : public TOnOffObje {
public:
    TBox(std::unique_ptr<IActerBody> boxBody, int key);

    DA_Action ActionFor(std::uint8_t dir) override;
    TActerKind GetKind() const override { return TActerKind::Box; }
    bool IsOpen() const override { return IsOn(); }
    // Starts opening; returns the key number of its lock.
    int OpenByHeroine() override;
    bool SwitchEnded(bool turnedOn) override;

    // Stands on `onBlock` holding `treasure`, which is null for a chest
    // that is open or whose content she already owns.
    void PlaceBox(TDungBlock* onBlock, TSaveBox& boxRecord, std::unique_ptr<IItemImp> treasure);

    int GetKeyNumber() const { return keyNumber; }
    const IItemImp* GetContent() const { return content.get(); }

private:
    std::unique_ptr<IItemImp> content;
    int keyNumber;
};
