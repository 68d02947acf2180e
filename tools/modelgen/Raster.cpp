#include "modelgen/Raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void FillPolygon(TImage& image, const TPolygon& polygon, TRgb c) {
    // Even-odd scanlines through the pixel centres.
    for (int y = 0; y < image.Height(); ++y) {
        const double sy = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < polygon.size(); ++i) {
            const TPoint a = polygon[i];
            const TPoint b = polygon[(i + 1) % polygon.size()];
            if ((a.y <= sy) != (b.y <= sy)) {
                crossings.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int first = static_cast<int>(std::ceil(crossings[i] - 0.5));
            const int last = static_cast<int>(std::ceil(crossings[i + 1] - 0.5)) - 1;
            for (int x = first; x <= last; ++x) {
                image.Set(x, y, c);
            }
        }
    }
}

void FillEllipse(TImage& image, double cx, double cy, double rx, double ry, TRgb c) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) {
                image.Set(x, y, c);
            }
        }
    }
}

void FillRing(TImage& image, double cx, double cy, double outer, double inner, TRgb c) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= outer && d >= inner) {
                image.Set(x, y, c);
            }
        }
    }
}

void StrokeLine(TImage& image, TPoint from, TPoint to, double width, TRgb c) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length == 0.0) {
        return;
    }
    const double nx = -(to.y - from.y) / length * width / 2;
    const double ny = (to.x - from.x) / length * width / 2;
    const double ex = (to.x - from.x) / length * width / 2;
    const double ey = (to.y - from.y) / length * width / 2;
    FillPolygon(image,
                {{from.x - ex + nx, from.y - ey + ny},
                 {to.x + ex + nx, to.y + ey + ny},
                 {to.x + ex - nx, to.y + ey - ny},
                 {from.x - ex - nx, from.y - ey - ny}},
                c);
}

TPolygon Rotated(const TPolygon& polygon, TPoint centre, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    // Quarter turns stay exact so the eight directions come out symmetric.
    const double s = std::round(std::sin(a) * 1e12) / 1e12;
    const double co = std::round(std::cos(a) * 1e12) / 1e12;
    TPolygon result;
    for (const TPoint p : polygon) {
        const double dx = p.x - centre.x;
        const double dy = p.y - centre.y;
        result.push_back({centre.x + dx * co - dy * s, centre.y + dx * s + dy * co});
    }
    return result;
}

void OutlineShapes(TImage& image, TRgb around, TRgb edge) {
    const TImage before = image;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (before.At(x, y) != around) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < image.Width() && ny < image.Height()) {
                        const TRgb n = before.At(nx, ny);
                        touches = n != around && n != edge;
                    }
                }
            }
            if (touches) {
                image.Set(x, y, edge);
            }
        }
    }
}
