#pragma once

#include "modelgen/Image.h"

#include <vector>

// Shapes in pixel coordinates: (0, 0) is the top-left corner of the picture
// and pixel (x, y) is covered when its centre (x + 0.5, y + 0.5) is inside.
struct TPoint {
    double x = 0.0;
    double y = 0.0;
};

using TPolygon = std::vector<TPoint>;

void FillPolygon(TImage& image, const TPolygon& polygon, TRgb c);
void FillEllipse(TImage& image, double cx, double cy, double rx, double ry, TRgb c);
// The ring between two radii.
void FillRing(TImage& image, double cx, double cy, double outer, double inner, TRgb c);
// A straight stroke of the given width with square ends.
void StrokeLine(TImage& image, TPoint from, TPoint to, double width, TRgb c);

// The polygon turned by `degrees` clockwise (on the screen) about `centre`.
TPolygon Rotated(const TPolygon& polygon, TPoint centre, double degrees);

// Paints `edge` on every pixel of colour `around` that touches (also
// diagonally) a pixel that is neither `around` nor `edge`.
void OutlineShapes(TImage& image, TRgb around, TRgb edge);
