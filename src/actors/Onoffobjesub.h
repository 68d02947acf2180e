#pragma once

#include "actors/Onoffobje.h"

#include <cstdint>
#include <memory>
#include <vector>

// A switch on the south face of its block; the heroine presses it facing
// north. It is linked to at most one object, the door it works.
class TWallSwitch final : public TOnOffObje {
public:
    using TOnOffObje::TOnOffObje;

    DA_Action ActionFor(std::uint8_t dir) override;
    TActerKind GetKind() const override { return TActerKind::WallSwitch; }
    void PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) override;
};

// Door sub-kinds: worked by switches only; locked with key 1 to 4; no lock.
inline constexpr std::uint8_t SwitchDoorSubKind = 2;

// A door in its block's wall-object place. A switch-operated door is linked
// to any number of switches and doors; the others open with their key.
class TDoor final : public TOnOffObje {
public:
    TDoor(std::unique_ptr<IActerBody> doorBody, int key);

    DA_Action ActionFor(std::uint8_t dir) override;
    TActerKind GetKind() const override { return TActerKind::Door; }
    // Only a switch-operated door takes links, as many as the floor has.
    void Link(IDungActer& other) override;
    void PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) override;
    bool IsOpen() const override { return IsOn(); }
    // Opens; returns the key number its lock takes (0: none).
    int OpenByHeroine() override;

    int GetKeyNumber() const { return keyNumber; }
    bool IsSwitchOperated() const { return switchOperated; }
    const std::vector<IDungActer*>& GetLinks() const { return links; }

private:
    int keyNumber;
    bool switchOperated = false;
    std::vector<IDungActer*> links;
};
