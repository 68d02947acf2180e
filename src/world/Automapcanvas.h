#pragma once

#include <cstdint>

// The picture the automap draws into, with the game window's tiles of 5 x 5
// pixels. What is drawn outside the picture is cut off.
class IAutomapCanvas {
public:
    virtual ~IAutomapCanvas() = default;
    // The picture's size in pixels; 0 x 0 while there is no picture.
    virtual int PictureWidth() const = 0;
    virtual int PictureHeight() const = 0;
    // Fills left <= x < right, top <= y < bottom with 0xRRGGBB.
    virtual void FillRect(int left, int top, int right, int bottom, std::uint32_t rgb) = 0;
    // Tile `index` with its top left corner at (left, top); an index the
    // tiles do not have draws nothing.
    virtual void DrawTile(int index, int left, int top) = 0;
};
