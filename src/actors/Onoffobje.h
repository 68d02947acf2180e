#pragma once

#include "actors/Dastswitch.h"
#include "actors/Idungacter.h"

#include <cstdint>
#include <memory>

// Byte 1 of a door's or wall switch's save record is its sub-kind.
inline constexpr int OnOffSubKindOffset = 1;
// Byte 10 of an on/off object's save record mirrors whether it is on.
inline constexpr int OnOffStateOffset = 10;
// Steps of a switch, door or chest moving to its other position.
inline constexpr int OnOffSwitchSteps = 4;

// A wall switch, a door or a treasure chest: on or off, open or shut,
// standing in its block's wall-switch or wall-object place. It moves to its
// other position through a state of four steps, and writes the position it
// reaches into its record in the floor's save, so the floor comes back so.
class TOnOffObje : public IDungActer, public ISwitching {
public:
    std::uint8_t* GetRecord() final { return record; }
    std::uint8_t* GetIdentity() final { return record; }
    // One linked object; a second is an error.
    void Link(IDungActer& other) override;

    void SetOnMotion() override { SetMotion(0); }
    void SetOffMotion() override { SetMotion(1); }
    // Stands on `onBlock` at rest in the position its record says; one that
    // is on shows the end pose of its motion toward on.
    virtual void PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord);

    bool IsOn() const { return on; }
    IDungActer* GetLink() const { return link; }

protected:
    // `kindStates`: the states of the kind, at rest among them.
    TOnOffObje(std::unique_ptr<IActerBody> objeBody, const TDAStateSet& kindStates);

    // Starts moving to the other position.
    void Toggle();
    // Has reached `value`: the position and its record byte.
    void SetOn(bool value);
    void Rest();
    // A byte of its record; 0 before it is placed.
    std::uint8_t RecordByte(int offset) const { return record ? record[offset] : 0; }

private:
    std::uint8_t* record = nullptr;
    IDungActer* link = nullptr;
    bool on = false;
};

// Whether the heroine carries the key with that number.
bool HeroineHasKey(int keyNumber);
