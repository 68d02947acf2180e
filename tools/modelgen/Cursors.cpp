#include "modelgen/Cursors.h"

#include "modelgen/Raster.h"

#include <sstream>

namespace {

constexpr TRgb Ink{0, 0, 0};
constexpr TRgb Rim{255, 255, 255};
constexpr TPoint Centre{16, 16};

// Pointing north; the other seven directions are this turned clockwise.
// Plain triangles: turned to a diagonal, a notched head reads as a star.
// Every turn stays inside the 32 x 32 square.
const TPolygon SingleHead = {{16, 2}, {23.5, 25}, {8.5, 25}};
const TPolygon FirstHead = {{16, 2}, {23.5, 13}, {8.5, 13}};
const TPolygon SecondHead = {{16, 15}, {23.5, 26}, {8.5, 26}};

TImage Blank() {
    return TImage(CursorSize, CursorSize, CursorMask);
}

TImage Finished(TImage image) {
    OutlineShapes(image, CursorMask, Rim);
    return image;
}

TImage Arrow(int ringPosition, bool fast) {
    TImage image = Blank();
    const double angle = 45.0 * ringPosition;
    if (fast) {
        FillPolygon(image, Rotated(FirstHead, Centre, angle), Ink);
        FillPolygon(image, Rotated(SecondHead, Centre, angle), Ink);
    } else {
        FillPolygon(image, Rotated(SingleHead, Centre, angle), Ink);
    }
    return Finished(image);
}

TImage Watch() {
    TImage image = Blank();
    FillRing(image, 13, 13, 9.5, 6, Ink);
    StrokeLine(image, {19, 19}, {27, 27}, 4.5, Ink);
    image = Finished(image);
    // A glint on the lens keeps it from reading as a plain ring.
    StrokeLine(image, {9, 11}, {11, 9}, 1.5, Rim);
    return image;
}

TImage Action() {
    TImage image = Blank();
    const int low = 5;
    const int high = 27;
    const int arm = 8;
    const int t = 3;
    for (const int x : {low, high - t}) {
        for (const int y : {low, high - t}) {
            const int hx = x == low ? low : high - arm;
            const int vy = y == low ? low : high - arm;
            image.FillRect(hx, y, arm, t, Ink);
            image.FillRect(x, vy, t, arm, Ink);
        }
    }
    return Finished(image);
}

TImage Attack() {
    TImage image = Blank();
    StrokeLine(image, {11, 21}, {24, 8}, 4, Ink);
    FillPolygon(image, {{22, 6.5}, {28.5, 3.5}, {25.5, 10}}, Ink);
    StrokeLine(image, {6, 16}, {16, 26}, 3, Ink);
    StrokeLine(image, {5, 27}, {10, 22}, 3.5, Ink);
    return Finished(image);
}

TImage Hand() {
    TImage image = Blank();
    FillEllipse(image, 16.5, 21, 8, 7.5, Ink);
    const double fingers[4][2] = {{10.5, 9}, {14.5, 5}, {18.5, 5}, {22.5, 8}};
    for (const auto& f : fingers) {
        StrokeLine(image, {f[0], f[1] + 1.5}, {f[0], 20}, 3, Ink);
    }
    StrokeLine(image, {5.5, 15}, {10, 22}, 3, Ink);
    image = Finished(image);
    // Gaps between the fingers so they read as fingers.
    for (const double x : {12.5, 16.5, 20.5}) {
        StrokeLine(image, {x, 7}, {x, 16}, 0.9, Rim);
    }
    return image;
}

TImage Talk() {
    TImage image = Blank();
    FillEllipse(image, 16, 13, 13.5, 9.5, Ink);
    FillPolygon(image, {{9, 19}, {16, 21}, {5, 29}}, Ink);
    image = Finished(image);
    for (const int x : {9, 15, 21}) {
        image.FillRect(x, 12, 3, 3, Rim);
    }
    return image;
}

} // namespace

std::vector<TCursor> PaintCursors() {
    const char* directions[8] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    std::vector<TCursor> cursors;
    for (int fast = 0; fast < 2; ++fast) {
        for (int i = 0; i < 8; ++i) {
            cursors.push_back({1 + i + 8 * fast,
                               std::string(directions[i]) + (fast ? "_Fast" : "_Normal"),
                               Arrow(i, fast == 1)});
        }
    }
    cursors.push_back({17, "Watch", Watch()});
    cursors.push_back({18, "Action", Action()});
    cursors.push_back({19, "Atack", Attack()});
    cursors.push_back({20, "Move", Hand()});
    cursors.push_back({21, "Talk", Talk()});
    return cursors;
}

std::string CursorManifest(const std::vector<TCursor>& cursors) {
    std::ostringstream text;
    text << "# Pointer cursors: number name file hotX hotY\n"
         << "# 32 x 32 bitmaps; the colour " << int(CursorMask.r) << " " << int(CursorMask.g) << " "
         << int(CursorMask.b) << " is transparent.\n";
    for (const auto& cursor : cursors) {
        text << cursor.number << " " << cursor.name << " " << cursor.name << ".bmp "
             << CursorHotSpot << " " << CursorHotSpot << "\n";
    }
    return text.str();
}
