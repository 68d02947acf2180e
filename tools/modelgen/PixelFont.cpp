#include "modelgen/PixelFont.h"

#include <stdexcept>
#include <string>

namespace {

// Rows top to bottom; bit 2 (or 4) is the leftmost column.
constexpr unsigned char Digits3x5[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

struct TGlyph {
    char letter;
    unsigned char rows[7];
};

constexpr TGlyph Glyphs[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {' ', {0, 0, 0, 0, 0, 0, 0}},
};

const TGlyph& GlyphOf(char letter) {
    for (const auto& glyph : Glyphs) {
        if (glyph.letter == letter) {
            return glyph;
        }
    }
    throw std::invalid_argument(std::string("no pixel glyph for '") + letter + "'");
}

} // namespace

void DrawDigit3x5(TImage& image, int digit, int x, int y, TRgb c) {
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (Digits3x5[digit][row] & (4 >> column)) {
                image.Set(x + column, y + row, c);
            }
        }
    }
}

void DrawText5x7(TImage& image, std::string_view text, int x, int y, int scale, TRgb c) {
    for (const char letter : text) {
        const TGlyph& glyph = GlyphOf(letter);
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 5; ++column) {
                if (glyph.rows[row] & (0x10 >> column)) {
                    image.FillRect(x + column * scale, y + row * scale, scale, scale, c);
                }
            }
        }
        x += 6 * scale;
    }
}

int TextWidth5x7(std::string_view text, int scale) {
    return text.empty() ? 0 : (static_cast<int>(text.size()) * 6 - 1) * scale;
}
