#pragma once

#include "world/Automapcanvas.h"

#include <cstdint>
#include <vector>

// An automap picture that keeps, per pixel, the tile drawn there, so a test
// reads the tile of a cell; -1 where the background was filled.
class TTileCanvas final : public IAutomapCanvas {
public:
    TTileCanvas(int pictureWidth = 300, int pictureHeight = 250)
        : width(pictureWidth), height(pictureHeight),
          pixels(static_cast<std::size_t>(width * height), Untouched) {}

    static constexpr int Untouched = -2;
    static constexpr int Background = -1;

    int PictureWidth() const override { return width; }
    int PictureHeight() const override { return height; }
    void FillRect(int left, int top, int right, int bottom, std::uint32_t rgb) override {
        fillColours.push_back(rgb);
        Paint(left, top, right, bottom, Background);
    }
    void DrawTile(int index, int left, int top) override {
        ++tilesDrawn;
        Paint(left, top, left + 5, top + 5, index);
    }

    // The tile of the 5 x 5 cell (col, row).
    int TileAt(int col, int row) const { return Pixel(col * 5, row * 5); }
    int Pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

    int tilesDrawn = 0;
    std::vector<std::uint32_t> fillColours;

private:
    void Paint(int left, int top, int right, int bottom, int value) {
        for (int y = top; y < bottom && y < height; ++y) {
            for (int x = left; x < right && x < width; ++x) {
                pixels[static_cast<std::size_t>(y * width + x)] = value;
            }
        }
    }

    int width;
    int height;
    std::vector<int> pixels;
};
