#pragma once

#include "actors/Acterbody.h"

#include <cstdint>
#include <memory>
#include <vector>

class TDungBlock;

// Scenery around the grid on one side: rows of bodies drawn only while the
// heroine is near enough to see them.
class TOutField {
public:
    using TRows = std::vector<std::vector<std::unique_ptr<IActerBody>>>;

    // Sides: 0 north, 1 south, 2 west, 3 east, 4 north-west, 5 north-east,
    // 6 south-west, 7 south-east. Places every body next to a map of
    // width x height.
    TOutField(std::uint8_t side, TRows bodies, int width, int height);

    // The first body to draw for a heroine on heroBlock, or none.
    IActerBody* First(const TDungBlock* heroBlock);
    IActerBody* Next();
    std::uint8_t GetType() const { return type; }
    // Its size in cells.
    int FieldWidth() const;
    int FieldHeight() const { return static_cast<int>(objects.size()); }

private:
    IActerBody* Current() const;

    std::uint8_t type;
    TRows objects;
    int mapWidth;
    int mapHeight;
    int column = 0;
    int row = 0;
    int firstColumn = 0;
    int firstRow = 0;
    int columnEnd = 0;
    int rowEnd = 0;
};
