#pragma once

#include "actors/Idungacter.h"

// An actor lying in a block's floor place: stairs, switches, level floors.
class TFloarActer : public IDungActer {
public:
    using IDungActer::IDungActer;

    // The heroine has finished a walk onto this floor.
    virtual void HeroArrived() = 0;
    // Where an exit leads (or the level a forced-level floor sets); 0 when
    // the floor leads nowhere.
    virtual int GetDestination(int floor, int& x, int& y);
    virtual bool MayHeroEnter() { return true; }
    virtual bool MayOthersEnter() { return true; }
};
