#pragma once

#include "platform/SingleInstance.h"

class TFighter;

// Where combat reports to the status view: hit points changed, a fighter
// left the floor. A program-wide single object: the status view, made by the
// dungeon operator.
class IFighterStatus : public TSingleInstance<IFighterStatus> {
public:
    virtual ~IFighterStatus() = default;
    virtual void UpdateHP(TFighter& fighter) = 0;
    virtual void Forget(TFighter& fighter) = 0;
};
