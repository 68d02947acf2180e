#pragma once

#include "platform/SingleInstance.h"

class TDungBlock;

// What the floor's actors tell the automap. A program-wide single object,
// made by the dungeon operator.
class IAutoMapping : public TSingleInstance<IAutoMapping> {
public:
    virtual ~IAutoMapping() = default;
    // An enemy starts to walk: both blocks are drawn again at the turn's end.
    virtual void RecordMove(const TDungBlock* from, const TDungBlock* to) = 0;
    // A door or chest has moved, or an enemy has gone: its block is drawn
    // again now, if the heroine has seen it.
    virtual void RedrawBlock(const TDungBlock& block) = 0;
    // The turn is over: what the heroine has seen is revealed and the squares
    // of the enemies that walked are drawn again.
    virtual void RefreshMap() = 0;
};
