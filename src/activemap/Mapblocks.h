#pragma once

#include "activemap/Activemap.h"

#include <memory>
#include <string>
#include <vector>

class TDungBlock;

// The blocks of one map, owned, with the rows every map hands out. The rows
// grow as blocks are appended row by row, each row from column 0.
class TMapBlocks {
public:
    TMapBlocks();
    ~TMapBlocks();
    TMapBlocks(TMapBlocks&&) noexcept;
    TMapBlocks& operator=(TMapBlocks&&) noexcept;

    TDungBlock& Append(int row, std::unique_ptr<TDungBlock> block);
    const TBlockGrid& Rows() const { return rows; }
    // Columns of row 0 and the number of rows.
    int Width() const;
    int Height() const;
    // The block at (x, y); a position off the grid raises TGameError whose
    // message begins with `sjisWho`, the place the position came from.
    TDungBlock& At(int x, int y, const std::string& sjisWho) const;

private:
    std::vector<std::unique_ptr<TDungBlock>> blocks;
    TBlockGrid rows;
};
