#include "world/Automapping.h"

#include "activemap/Activemap.h"
#include "actors/Idungacter.h"
#include "world/Automapcanvas.h"
#include "world/Automaptiles.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"

TAutoMapping::TAutoMapping(TSaveMapping seen, const IDungActer& heroineActer)
    : store(std::move(seen)), heroine(heroineActer) {}

void TAutoMapping::AttachDungeon(int stageIndex, const IActiveMap& dungeonMap,
                                 IAutomapCanvas& picture) {
    stage = stageIndex;
    map = &dungeonMap;
    canvas = &picture;
}

void TAutoMapping::DetachDungeon() {
    map = nullptr;
    current = nullptr;
    revealPending = false;
    // The blocks of the floor left behind are gone with it.
    movedBlocks.clear();
}

void TAutoMapping::SelectFloar(int floarIndex) {
    floar = floarIndex;
    current = &store.Floar(stage, floar);
    movedBlocks.clear();
    RedrawAll();
    revealPending = false;
}

void TAutoMapping::ResetSeen() {
    store.ResetSeen();
}

void TAutoMapping::RequestReveal() {
    if (map) {
        revealPending = true;
    }
}

void TAutoMapping::RecordMove(const TDungBlock* from, const TDungBlock* to) {
    movedBlocks.push_back(from);
    movedBlocks.push_back(to);
}

void TAutoMapping::RedrawBlock(const TDungBlock& block) {
    DrawCell(block.GetX(), block.GetY());
}

void TAutoMapping::RefreshMap() {
    if (!map) {
        return;
    }
    if (revealPending) {
        RevealAroundHeroine();
        revealPending = false;
    }
    for (const TDungBlock* block : movedBlocks) {
        if (block) {
            DrawCell(block->GetX(), block->GetY());
        }
    }
    movedBlocks.clear();
}

void TAutoMapping::RevealAroundHeroine() {
    const TDungBlock* at = heroine.GetBlock();
    if (!map || !current || !at) {
        return;
    }
    // A room is revealed whole on the first step into it; a room without a
    // centre never counts as seen, so it shows only around her.
    const TRoom* room = at->GetRoom();
    const TDungBlock* centre = room ? room->GetCentre() : nullptr;
    if (centre && !current->IsSeen(centre->GetX(), centre->GetY())) {
        for (const TDungBlock* block : room->GetBlocks()) {
            Reveal(*block);
        }
        for (const TDungBlock* block : room->GetSurroundings()) {
            Reveal(*block);
        }
        return;
    }
    for (int y = at->GetY() - 1; y <= at->GetY() + 1; ++y) {
        for (int x = at->GetX() - 1; x <= at->GetX() + 1; ++x) {
            if (current->Contains(x, y)) {
                current->MarkSeen(x, y);
                DrawCell(x, y);
            }
        }
    }
}

void TAutoMapping::Reveal(const TDungBlock& block) {
    current->MarkSeen(block.GetX(), block.GetY());
    DrawCell(block.GetX(), block.GetY());
}

const TDungBlock* TAutoMapping::BlockAtPixel(int px, int py) const {
    if (!current || px < 0 || py < 0) {
        return nullptr;
    }
    const int col = px / AutomapTileSize;
    const int row = py / AutomapTileSize;
    return current->IsSeen(col, row) ? BlockAt(col, row) : nullptr;
}

const TDungBlock* TAutoMapping::BlockAt(int x, int y) const {
    const TBlockGrid& grid = map->GetBlockGrid();
    if (y < 0 || static_cast<std::size_t>(y) >= grid.size() || x < 0 ||
        static_cast<std::size_t>(x) >= grid[static_cast<std::size_t>(y)].size()) {
        return nullptr;
    }
    return grid[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

void TAutoMapping::RedrawAll() {
    if (!map) {
        return;
    }
    canvas->FillRect(0, 0, canvas->PictureWidth(), canvas->PictureHeight(), AutomapBackground);
    for (int y = 0; y < current->Height(); ++y) {
        for (int x = 0; x < current->Width(); ++x) {
            DrawCell(x, y);
        }
    }
}

void TAutoMapping::DrawCell(int x, int y) {
    if (!map || !current || !current->IsSeen(x, y)) {
        return;
    }
    const TDungBlock* block = BlockAt(x, y);
    if (!block) {
        return;
    }
    const int left = x * AutomapTileSize;
    const int top = y * AutomapTileSize;
    canvas->FillRect(left, top, left + AutomapTileSize, top + AutomapTileSize, AutomapBackground);
    canvas->DrawTile(TileOf(*block), left, top);
}
