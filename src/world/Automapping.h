#pragma once

#include "world/Iautomapping.h"
#include "world/Savemapping.h"

#include <vector>

class IActiveMap;
class IAutomapCanvas;
class IDungActer;
class TDungBlock;

// The small map of the current dungeon floor beside the 3D view: every
// square the heroine has seen is drawn as a tile of what stands on it. A
// room is revealed whole on her first step into it, with the squares around
// it; elsewhere the 3 x 3 squares around her. What she has seen is kept per
// floor of every dungeon in the store.
class TAutoMapping final : public IAutoMapping {
public:
    // The heroine outlives the automap.
    TAutoMapping(TSaveMapping seen, const IDungActer& heroine);

    TSaveMapping& Seen() { return store; }
    const TSaveMapping& Seen() const { return store; }

    // Dungeon `stage` (from 0) is entered: its map and the picture to draw
    // into, both outliving the attachment.
    void AttachDungeon(int stage, const IActiveMap& map, IAutomapCanvas& canvas);
    // Back in the village: nothing is revealed or drawn any more.
    void DetachDungeon();
    bool IsAttached() const { return map != nullptr; }
    // The seen squares of the floor shown; none while detached.
    const TFloarClear* CurrentFloar() const { return current; }
    // Floor `floar` (from 0) of the attached dungeon is shown: the picture
    // is drawn anew.
    void SelectFloar(int floar);
    // A new game: nothing seen on any floor.
    void ResetSeen();
    // She has finished a walk: the turn's end reveals what she sees.
    void RequestReveal();
    void RevealAroundHeroine();
    // The block of the seen square under a pixel of the picture; none
    // outside the floor or on a square not seen.
    const TDungBlock* BlockAtPixel(int px, int py) const;

    void RecordMove(const TDungBlock* from, const TDungBlock* to) override;
    void RedrawBlock(const TDungBlock& block) override;
    void RefreshMap() override;

private:
    void RedrawAll();
    void DrawCell(int x, int y);
    void Reveal(const TDungBlock& block);
    const TDungBlock* BlockAt(int x, int y) const;

    TSaveMapping store;
    const IActiveMap* map = nullptr;
    IAutomapCanvas* canvas = nullptr;
    int stage = 0;
    int floar = 0;
    TFloarClear* current = nullptr;
    const IDungActer& heroine;
    bool revealPending = false;
    std::vector<const TDungBlock*> movedBlocks;
};
