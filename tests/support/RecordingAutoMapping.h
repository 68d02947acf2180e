#pragma once

#include "world/Iautomapping.h"

#include <utility>
#include <vector>

// Notes what the floor's actors tell the automap: the moves the enemies
// report and the blocks to be drawn again.
class TRecordingAutoMapping final : public IAutoMapping {
public:
    void RecordMove(const TDungBlock* from, const TDungBlock* to) override {
        moves.emplace_back(from, to);
    }
    void RedrawBlock(const TDungBlock& block) override { redrawn.push_back(&block); }

    std::vector<std::pair<const TDungBlock*, const TDungBlock*>> moves;
    std::vector<const TDungBlock*> redrawn;
};
