#pragma once

#include "platform/SingleInstance.h"

// The equipment screen as game code sees it: a modal screen over the game
// where the heroine puts on and takes off what she carries and combines
// swords. A program-wide single object made by the dungeon operator; the Qt
// proxy implements it, and tests and the simulator bring their own.
class IEquipScreen : public TSingleInstance<IEquipScreen> {
public:
    virtual ~IEquipScreen() = default;

    // Fills the screen afresh, with the synthesis put away, and shows it
    // with its top-left corner at screen point (x, y).
    virtual void Show(int x, int y) = 0;
    // Puts the screen away if it is shown.
    virtual void Close() = 0;
    virtual bool IsShown() const = 0;
};
