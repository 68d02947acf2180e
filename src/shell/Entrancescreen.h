#pragma once

#include "platform/SingleInstance.h"

class TDungOperator;
class TEntranceChoice;

// The dungeon entrance screen as game code sees it: where the heroine
// chooses a dungeon, or the way back, once she has walked out of the
// village. A program-wide single object made by the dungeon operator; the Qt
// proxy implements it, and tests and the simulator bring their own.
class IEntranceScreen : public TSingleInstance<IEntranceScreen> {
public:
    virtual ~IEntranceScreen() = default;

    // Opens the screen with what the story offers now, unless it is open.
    // The player's choice comes back to the dungeon operator.
    virtual void ShowEntranceForm() = 0;
    virtual bool IsOpen() const = 0;
};

// The entrance screen's proxy apart from the screen itself: what it offers
// and where a choice leads. The platform's proxy adds the screen.
class TEntranceScreenBase : public IEntranceScreen {
public:
    explicit TEntranceScreenBase(TDungOperator& owner) : dungOperator(owner) {}

    void ShowEntranceForm() final;
    // The screen's decisions; the screen is forgotten before the scene
    // changes. Dungeon `number` from 0.
    void Enter(int number);
    void Return();

protected:
    // Shows the screen with `choice`, its area at `choice.Preselected()`.
    virtual void OpenScreen(TEntranceChoice choice) = 0;
    // The screen has been decided on and closes by itself.
    virtual void ForgetScreen() = 0;

private:
    TDungOperator& dungOperator;
};
