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

// The icons keep to the left third and the mark to the right, inside the 32
// columns the status view shows of its right-hand picture, so that its
// number stands readable between them.
void Sword(TImage& image, TRgb blade) {
    StrokeLine(image, {4.6, 14.7}, {12.4, 6.9}, 2, blade);
    FillPolygon(image, {{11.5, 6.6}, {13.6, 5.1}, {13.3, 8.1}}, blade);
    StrokeLine(image, {2.8, 11.7}, {7.6, 16.5}, 1.4, {214, 170, 50});
    StrokeLine(image, {2.8, 16.5}, {4.6, 14.7}, 1.8, {120, 72, 30});
}

void Shield(TImage& image, TRgb face, bool cracked) {
    const TPolygon outline = {{2.8, 5.7}, {12.4, 5.7}, {12.4, 10.5}, {7.6, 16.5}, {2.8, 10.5}};
    FillPolygon(image, outline, {230, 230, 236});
    FillPolygon(image, {{3.7, 6.6}, {11.5, 6.6}, {11.5, 10.2}, {7.6, 15.3}, {3.7, 10.2}}, face);
    StrokeLine(image, {7.6, 6.9}, {7.6, 14.1}, 1, {230, 230, 236});
    if (cracked) {
        StrokeLine(image, {5.8, 6.3}, {8.2, 9.9}, 1, {20, 10, 10});
        StrokeLine(image, {8.2, 9.9}, {6.4, 12.9}, 1, {20, 10, 10});
    }
}

// Up for better, down for worse, "=" for just even, at the picture's right.
void Mark(TImage& image, TVerdict verdict, TRgb c) {
    if (verdict == TVerdict::Even) {
        image.FillRect(25, 8, 6, 2, c);
        image.FillRect(25, 12, 6, 2, c);
    } else if (verdict == TVerdict::Better) {
        FillPolygon(image, {{27.5, 5}, {31, 11}, {24, 11}}, c);
        image.FillRect(26, 11, 3, 5, c);
    } else {
        FillPolygon(image, {{27.5, 17}, {31, 11}, {24, 11}}, c);
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
