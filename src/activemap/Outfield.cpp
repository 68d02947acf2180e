#include "activemap/Outfield.h"

#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <algorithm>

namespace {

constexpr int Depth = 5;

struct TFieldOffset {
    int column;
    int row;
};

TFieldOffset OffsetOf(std::uint8_t type, int width, int height) {
    switch (type) {
    case 0:
        return {0, -Depth};
    case 1:
        return {0, height};
    case 2:
        return {-Depth, 0};
    case 3:
        return {width, 0};
    case 4:
        return {-Depth, -Depth};
    case 5:
        return {width, -Depth};
    case 6:
        return {-Depth, height};
    default:
        return {width, height};
    }
}

} // namespace

TOutField::TOutField(std::uint8_t side, TRows bodies, int width, int height)
    : type(side), objects(std::move(bodies)), mapWidth(width), mapHeight(height) {
    const TFieldOffset offset = OffsetOf(side, width, height);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        for (std::size_t j = 0; j < objects[i].size(); ++j) {
            if (IActerBody* body = objects[i][j].get()) {
                body->Move(WorldXOfBlock(offset.column + static_cast<int>(j)), 0.0f,
                           WorldZOfBlock(offset.row + static_cast<int>(i)));
            }
        }
    }
}

int TOutField::FieldWidth() const {
    return objects.empty() ? 0 : static_cast<int>(objects.front().size());
}

IActerBody* TOutField::First(const TDungBlock* heroBlock) {
    const int x = heroBlock->GetX();
    const int y = heroBlock->GetY();
    firstColumn = 0;
    firstRow = 0;
    columnEnd = FieldWidth();
    rowEnd = FieldHeight();
    bool drawn = false;
    switch (type) {
    case 0:
    case 1:
        drawn = type == 0 ? y <= 10 : y >= mapHeight - 6;
        firstColumn = std::max(x - 11, 0);
        columnEnd = std::min(x + 11, FieldWidth());
        break;
    case 2:
    case 3:
        drawn = type == 2 ? x <= 8 : x >= mapWidth - 8;
        firstRow = std::max(y - 8, 0);
        rowEnd = std::min(y + 7, FieldHeight());
        break;
    case 4:
        drawn = x <= 10 && y <= 10;
        break;
    case 5:
        drawn = x >= mapWidth - 10 && y <= 10;
        break;
    case 6:
        drawn = x <= 10 && y >= mapHeight - 7;
        break;
    default:
        drawn = x >= mapWidth - 10 && y >= mapHeight - 7;
        break;
    }
    if (!drawn || firstColumn >= columnEnd || firstRow >= rowEnd) {
        row = rowEnd;
        return nullptr;
    }
    column = firstColumn;
    row = firstRow;
    return Current();
}

IActerBody* TOutField::Next() {
    if (row >= rowEnd) {
        return nullptr;
    }
    if (++column >= columnEnd) {
        column = firstColumn;
        ++row;
    }
    return row < rowEnd ? Current() : nullptr;
}

IActerBody* TOutField::Current() const {
    const auto& cells = objects[static_cast<std::size_t>(row)];
    const auto at = static_cast<std::size_t>(column);
    return at < cells.size() ? cells[at].get() : nullptr;
}
