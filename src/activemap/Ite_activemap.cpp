#include "activemap/Ite_activemap.h"

#include "activemap/Activemap.h"
#include "world/Dungblock.h"

#include <algorithm>

namespace {

constexpr int WindowSide = 8;
constexpr int WindowNorth = 9;
constexpr int WindowSouth = 6;

} // namespace

TDungBlock* TIte_Map_GetBlock::At(int col, int rowIndex) {
    column = col;
    row = rowIndex;
    current = map->GetBlocks()[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    return current;
}

TDungBlock* TIte_Map_GetBlock::Start(int firstCol, int firstRow, int lastCol, int lastRow) {
    windowFirstColumn = firstCol;
    windowFirstRow = firstRow;
    windowLastColumn = lastCol;
    windowLastRow = lastRow;
    if (!map || firstCol > lastCol || firstRow > lastRow) {
        current = nullptr;
        return nullptr;
    }
    return At(firstCol, firstRow);
}

TDungBlock* TIte_Map_GetBlock::FirstRowHeads() {
    return Start(0, 0, 0, map ? map->GetHeight() - 1 : -1);
}

TDungBlock* TIte_Map_GetBlock::FirstInRow(int rowIndex) {
    const bool valid = map && rowIndex >= 0 && rowIndex < map->GetHeight();
    return Start(0, rowIndex, valid ? map->GetWidth() - 1 : -1, rowIndex);
}

TDungBlock* TIte_Map_GetBlock::FirstInWindow(const TDungBlock* block) {
    if (!map) {
        return Start(0, 0, -1, -1);
    }
    const int x = block->GetX();
    const int y = block->GetY();
    return Start(std::max(x - WindowSide, 0), std::max(y - WindowNorth, 0),
                 std::min(x + WindowSide, map->GetWidth() - 1),
                 std::min(y + WindowSouth, map->GetHeight() - 1));
}

TDungBlock* TIte_Map_GetBlock::Next() {
    if (!current) {
        return nullptr;
    }
    if (column < windowLastColumn) {
        return At(column + 1, row);
    }
    if (row < windowLastRow) {
        return At(windowFirstColumn, row + 1);
    }
    current = nullptr;
    return nullptr;
}

IDungActer* TIte_Map_DgAct::First() {
    position = 0;
    end = map->EnemyCount();
    return map->GetHeroActer();
}

IDungActer* TIte_Map_DgAct::Next() {
    return position < end ? map->EnemyAt(position++) : nullptr;
}

IDungActer* TIte_Map_TwnAct::FirstMover() {
    peoplePosition = 0;
    peopleEnd = map->PeopleCount();
    return map->GetHeroActer();
}

IDungActer* TIte_Map_TwnAct::NextMover() {
    return peoplePosition < peopleEnd ? map->PersonAt(peoplePosition++) : nullptr;
}

IDungActer* TIte_Map_TwnAct::FirstPlaced() {
    placedPosition = 0;
    placedEnd = map->PlacedCount();
    return NextPlaced();
}

IDungActer* TIte_Map_TwnAct::NextPlaced() {
    return placedPosition < placedEnd ? map->PlacedAt(placedPosition++) : nullptr;
}
