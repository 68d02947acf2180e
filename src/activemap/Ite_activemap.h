#pragma once

#include <cstddef>

class IActiveMap;
class IDungActer;
class TDungBlock;

// Walks a map's blocks: the heads of the rows, one row, or the window the
// camera can see around a block. Each is a rectangle run row by row: the
// heads are column 0 of every row, a row is one line of the grid.
class TIte_Map_GetBlock {
public:
    void SetMap(const IActiveMap* activeMap) { map = activeMap; }
    TDungBlock* FirstRowHeads();
    TDungBlock* FirstInRow(int rowIndex);
    // From 9 rows north of the block to 6 rows south, 8 columns either side.
    TDungBlock* FirstInWindow(const TDungBlock* block);
    TDungBlock* Next();
    TDungBlock* Current() const { return current; }

private:
    TDungBlock* Start(int firstCol, int firstRow, int lastCol, int lastRow);
    TDungBlock* At(int col, int rowIndex);

    const IActiveMap* map = nullptr;
    TDungBlock* current = nullptr;
    int column = 0;
    int row = 0;
    int windowFirstColumn = 0;
    int windowFirstRow = 0;
    int windowLastColumn = 0;
    int windowLastRow = 0;
};

// The heroine, then the enemies of a dungeon map.
class TIte_Map_DgAct {
public:
    TIte_Map_DgAct() = default;
    explicit TIte_Map_DgAct(const IActiveMap& activeMap) : map(&activeMap) {}
    void SetMap(const IActiveMap* activeMap) { map = activeMap; }
    IDungActer* First();
    IDungActer* Next();

private:
    const IActiveMap* map = nullptr;
    std::size_t position = 0;
    std::size_t end = 0;
};

// The heroine and the people of a village map, and its placed objects.
class TIte_Map_TwnAct {
public:
    TIte_Map_TwnAct() = default;
    explicit TIte_Map_TwnAct(const IActiveMap& activeMap) : map(&activeMap) {}
    void SetMap(const IActiveMap* activeMap) { map = activeMap; }
    IDungActer* FirstMover();
    IDungActer* NextMover();
    IDungActer* FirstPlaced();
    IDungActer* NextPlaced();

private:
    const IActiveMap* map = nullptr;
    std::size_t peoplePosition = 0;
    std::size_t peopleEnd = 0;
    std::size_t placedPosition = 0;
    std::size_t placedEnd = 0;
};
