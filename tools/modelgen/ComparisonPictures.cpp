#include "modelgen/ComparisonPictures.h"

#include "modelgen/Raster.h"

namespace {

enum class TVerdict { Even, Worse, Better };

struct TLook {
    TRgb background;
    TRgb mark;
};

TLook LookOf(TVerdict verdict) {
    switch (verdict) {
    case TVerdict::Even:
        return {{70, 62, 12}, {250, 220, 60}};
    case TVerdict::Worse:
        return {{88, 18, 18}, {255, 80, 70}};
    default:
        return {{18, 70, 30}, {90, 235, 110}};
    }
}

void Sword(TImage& image, TRgb blade) {
    StrokeLine(image, {6, 17}, {19, 4}, 3, blade);
    FillPolygon(image, {{17.5, 3.5}, {21, 1}, {20.5, 6}}, blade);
    StrokeLine(image, {3, 12}, {11, 20}, 2, {214, 170, 50});
    StrokeLine(image, {3, 20}, {6, 17}, 2.5, {120, 72, 30});
}

void Shield(TImage& image, TRgb face, bool cracked) {
    const TPolygon outline = {{3, 2}, {19, 2}, {19, 10}, {11, 20}, {3, 10}};
    FillPolygon(image, outline, {230, 230, 236});
    FillPolygon(image, {{4.5, 3.5}, {17.5, 3.5}, {17.5, 9.5}, {11, 18}, {4.5, 9.5}}, face);
    StrokeLine(image, {11, 4}, {11, 16}, 1.2, {230, 230, 236});
    if (cracked) {
        StrokeLine(image, {8, 3}, {12, 9}, 1.3, {20, 10, 10});
        StrokeLine(image, {12, 9}, {9, 14}, 1.3, {20, 10, 10});
    }
}

// Up for better, down for worse, "=" for just even, at the picture's right.
void Mark(TImage& image, TVerdict verdict, TRgb c) {
    if (verdict == TVerdict::Even) {
        image.FillRect(24, 8, 7, 2, c);
        image.FillRect(24, 12, 7, 2, c);
    } else if (verdict == TVerdict::Better) {
        FillPolygon(image, {{27.5, 5}, {32, 11}, {23, 11}}, c);
        image.FillRect(26, 11, 3, 5, c);
    } else {
        FillPolygon(image, {{27.5, 17}, {32, 11}, {23, 11}}, c);
        image.FillRect(26, 6, 3, 5, c);
    }
}

TImage Picture(int index) {
    constexpr TVerdict verdicts[ComparisonCount] = {TVerdict::Even,   TVerdict::Worse,
                                                    TVerdict::Even,   TVerdict::Worse,
                                                    TVerdict::Better, TVerdict::Better};
    const TVerdict verdict = verdicts[index];
    const TLook look = LookOf(verdict);
    TImage picture(ComparisonWidth, ComparisonHeight, look.background);
    const bool attack = index == 0 || index == 1 || index == 4;
    if (attack) {
        Sword(picture, verdict == TVerdict::Worse ? TRgb{150, 150, 156} : TRgb{236, 240, 250});
    } else {
        const TRgb face = verdict == TVerdict::Better ? TRgb{50, 100, 220}
                          : verdict == TVerdict::Even ? TRgb{176, 146, 48}
                                                      : TRgb{140, 64, 54};
        Shield(picture, face, verdict == TVerdict::Worse);
    }
    Mark(picture, verdict, look.mark);
    return picture;
}

} // namespace

TImage PaintComparisonPictures() {
    TImage sheet(2 * ComparisonWidth, 3 * ComparisonHeight);
    for (int i = 0; i < ComparisonCount; ++i) {
        sheet.Blit(Picture(i), i % 2 * ComparisonWidth, i / 2 * ComparisonHeight);
    }
    return sheet;
}
