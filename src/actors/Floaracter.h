#pragma once

#include "actors/Idungacter.h"

// An actor lying in a block's floor place: stairs, switches, level floors.
// Every kind answers each question the blocks and the heroine ask of it.
class TFloarActer : public IDungActer {
public:
    using IDungActer::IDungActer;

    // Floors are walked over, not acted on: acting on one is a swing.
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }

    // The heroine, and only she, has finished a walk onto this floor.
    virtual void HeroArrived() = 0;
    // Where an exit leads from `floor` and the block she arrives on (or the
    // level a forced-level floor sets); 0 when the floor leads nowhere.
    virtual int GetDestination(int floor, int& x, int& y) = 0;
    virtual bool MayHeroEnter() = 0;
    // Enemies and the village's people.
    virtual bool MayOthersEnter() = 0;
};
