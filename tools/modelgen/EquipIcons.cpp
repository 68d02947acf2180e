#include "modelgen/EquipIcons.h"

#include "modelgen/Raster.h"

namespace {

// Never used by the icons themselves.
constexpr TRgb Background{255, 0, 255};
constexpr TRgb Outline{40, 32, 28};

TImage SwordIcon() {
    TImage icon(EquipIconSize, EquipIconSize, Background);
    StrokeLine(icon, {3.5, 10.5}, {11.5, 2.5}, 2.2, {226, 232, 244});
    FillPolygon(icon, {{10.5, 1.5}, {13, 1}, {12.5, 3.5}}, {226, 232, 244});
    StrokeLine(icon, {1.5, 8}, {6, 12.5}, 1.6, {214, 170, 50});
    StrokeLine(icon, {1.5, 12.5}, {3.5, 10.5}, 1.8, {120, 72, 30});
    OutlineShapes(icon, Background, Outline);
    return icon;
}

TImage ShieldIcon() {
    TImage icon(EquipIconSize, EquipIconSize, Background);
    FillPolygon(icon, {{2.5, 1.5}, {11.5, 1.5}, {11.5, 7.5}, {7, 13}, {2.5, 7.5}}, {200, 204, 214});
    FillPolygon(icon, {{4, 3}, {10, 3}, {10, 7}, {7, 11}, {4, 7}}, {52, 88, 190});
    StrokeLine(icon, {7, 3}, {7, 10.5}, 1.0, {226, 180, 48});
    OutlineShapes(icon, Background, Outline);
    return icon;
}

TImage ArmourIcon() {
    TImage icon(EquipIconSize, EquipIconSize, Background);
    const TRgb leather{150, 96, 52};
    FillPolygon(icon,
                {{1, 3},
                 {4.5, 1.5},
                 {9.5, 1.5},
                 {13, 3},
                 {12, 6.5},
                 {10.5, 6},
                 {10.5, 12.5},
                 {3.5, 12.5},
                 {3.5, 6},
                 {2, 6.5}},
                leather);
    FillPolygon(icon, {{5, 1.5}, {9, 1.5}, {7, 4}}, Background);
    StrokeLine(icon, {3.5, 8.5}, {10.5, 8.5}, 1.0, {226, 180, 48});
    StrokeLine(icon, {7, 4.5}, {7, 12.5}, 0.8, Shade(leather, 0.7));
    OutlineShapes(icon, Background, Outline);
    return icon;
}

} // namespace

TImage PaintEquipIcons() {
    TImage strip(EquipIconCount * EquipIconSize, EquipIconSize, Background);
    strip.Blit(SwordIcon(), 0, 0);
    strip.Blit(ShieldIcon(), EquipIconSize, 0);
    strip.Blit(ArmourIcon(), 2 * EquipIconSize, 0);
    return strip;
}
