#pragma once

#include "actors/Onoffobje.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

// A switch on the south face of its block; the heroine presses it standing
// south of it, facing north. It is linked to at most one object, the door
// it works, and follows that door when something else switches it.
class TWallSwitch final : public TOnOffObje {
public:
    explicit TWallSwitch(std::unique_ptr<IActerBody> switchBody);

    DA_Action ActionFor(std::uint8_t dir) override;
    TActerKind GetKind() const override { return TActerKind::WallSwitch; }
    void OperatedBy(IDungActer& actor) override;
    // Its door switched for another switch: it follows without telling the
    // door again.
    void LinkedChanged(IDungActer& notifier) override;
    void PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) override;
    bool SwitchEnded(bool turnedOn) override;

private:
    // The heroine pressed it: its door is told when it has moved.
    bool byHeroine = false;
    // Switchings asked for while it was moving, made one after another.
    int queued = 0;
};

// Door sub-kinds: 2 worked by switches only, 3 to 6 locked with keys 1 to 4,
// 7 without lock.
inline constexpr std::uint8_t SwitchDoorSubKind = 2;

// A door in its block's wall-object place. A switch-operated door is linked
// to any number of switches and doors and switches whenever one of them
// does; the others are opened by the heroine, with their key if they have a
// lock, and stay open.
class TDoor final : public TOnOffObje {
public:
    TDoor(std::unique_ptr<IActerBody> doorBody, int key);

    DA_Action ActionFor(std::uint8_t dir) override;
    TActerKind GetKind() const override { return TActerKind::Door; }
    int GetSubKind() const override { return RecordByte(OnOffSubKindOffset); }
    // Only a switch-operated door takes links, as many as the floor has.
    void Link(IDungActer& other) override;
    // Switches and tells every other linked object; one that arrives while
    // the door moves waits its turn.
    void LinkedChanged(IDungActer& notifier) override;
    void PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) override;
    bool IsOpen() const override { return IsOn(); }
    // Starts opening; returns the key number its lock takes (0: none).
    int OpenByHeroine() override;
    bool SwitchEnded(bool turnedOn) override;

    int GetKeyNumber() const { return keyNumber; }
    bool IsSwitchOperated() const { return switchOperated; }
    const std::vector<IDungActer*>& GetLinks() const { return links; }

private:
    int keyNumber;
    bool switchOperated = false;
    std::vector<IDungActer*> links;
    std::deque<IDungActer*> pending;
};
