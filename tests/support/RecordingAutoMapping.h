#pragma once

#include "world/Iautomapping.h"

#include <utility>
#include <vector>

// Notes what the floor's actors and the turn tell the automap: the moves
// the enemies report, the blocks to be drawn again and the turns' ends.
class TRecordingAutoMapping final : public IAutoMapping {
public:
    void RecordMove(const TDungBlock* from, const TDungBlock* to) override {
        moves.emplace_back(from, to);
    }
    void RedrawBlock(const TDungBlock& block) override { redrawn.push_back(&block); }
    void RefreshMap() override { ++refreshes; }

    std::vector<std::pair<const TDungBlock*, const TDungBlock*>> moves;
    std::vector<const TDungBlock*> redrawn;
    int refreshes = 0;
};

// Draws nothing: for floors played without an automap.
class TQuietAutoMapping final : public IAutoMapping {
public:
    void RecordMove(const TDungBlock*, const TDungBlock*) override {}
    void RedrawBlock(const TDungBlock&) override {}
    void RefreshMap() override {}
};
