#pragma once

#include "actors/Idungacter.h"

#include <cstdint>
#include <memory>

// Byte 10 of an on/off object's save record mirrors whether it is on.
inline constexpr int OnOffStateOffset = 10;

// A wall switch, a door or a treasure chest: on or off, open or closed,
// standing in its block's wall-switch or wall-object place. Its record in
// the floor's save keeps the position across visits.
class TOnOffObje : public IDungActer {
public:
    using IDungActer::IDungActer;

    std::uint8_t* GetRecord() override { return record; }
    std::uint8_t* GetIdentity() override { return record; }
    // One linked object; a second is an error.
    void Link(IDungActer& other) override;

    virtual void SetOnMotion() { SetMotion(0); }
    virtual void SetOffMotion() { SetMotion(1); }
    // Stands on `onBlock` as its record says, an object that is on showing
    // the end of its switching motion.
    virtual void PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord);

    bool IsOn() const { return on; }
    IDungActer* GetLink() const { return link; }

protected:
    // Switches at once, record included.
    void SetOn(bool value);

private:
    std::uint8_t* record = nullptr;
    IDungActer* link = nullptr;
    bool on = false;
};

// Whether the heroine carries the key with that number.
bool HeroineHasKey(int keyNumber);
