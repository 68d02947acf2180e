#include "modelgen/Pictures.h"

#include "modelgen/Artwork.h"
#include "modelgen/AutomapTiles.h"
#include "modelgen/ComparisonPictures.h"
#include "modelgen/Cursors.h"
#include "modelgen/EquipIcons.h"
#include "modelgen/Textures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>

namespace {

TImage Crop(const TImage& image, int x, int y, int w, int h) {
    TImage part(w, h);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            part.Set(column, row, image.At(x + column, y + row));
        }
    }
    return part;
}

std::vector<std::uint8_t> Bytes(const TImage& image) {
    return EncodeBmp(image, TBmpDepth::Rgb24);
}

// Tiles cut as the game window cuts them must all differ, or two meanings
// would look alike.
void ExpectDistinctTiles(const TImage& sheet, int count, int perRow, int w, int h) {
    std::set<std::vector<std::uint8_t>> seen;
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(seen.insert(Bytes(Crop(sheet, i % perRow * w, i / perRow * h, w, h))).second)
            << "tile " << i << " repeats an earlier one";
    }
}

TEST(Pictures, AutomapTilesAre55DistinctTilesOf5x5) {
    const TImage tiles = PaintAutomapTiles();
    EXPECT_EQ(tiles.Width(), 50);
    EXPECT_EQ(tiles.Height(), 30);
    ExpectDistinctTiles(tiles, AutomapTileCount, 10, 5, 5);
    // A seen empty square must stand out from the unseen background.
    EXPECT_NE(tiles.At(53 % 10 * 5, 53 / 10 * 5), (TRgb{213, 192, 168}));
}

TEST(Pictures, DoorTilesTurnWithTheDoor) {
    const TImage tiles = PaintAutomapTiles();
    // A closed door facing north (6) turned a quarter is the one facing east (7).
    for (const int northFacing : {4, 6, 16, 26}) {
        const int east = northFacing + 1;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                EXPECT_EQ(tiles.At(northFacing % 10 * 5 + x, northFacing / 10 * 5 + y),
                          tiles.At(east % 10 * 5 + y, east / 10 * 5 + x))
                    << "tile " << northFacing;
            }
        }
    }
}

TEST(Pictures, ComparisonPicturesAreSixDistinctOf35x22) {
    const TImage sheet = PaintComparisonPictures();
    EXPECT_EQ(sheet.Width(), 70);
    EXPECT_EQ(sheet.Height(), 66);
    ExpectDistinctTiles(sheet, ComparisonCount, 2, ComparisonWidth, ComparisonHeight);
}

TEST(Pictures, GamePicturesKeepTheirNamesAndFitAPalette) {
    const auto pictures = GamePictures();
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].path, "Graph/マップパターン.bmp");
    EXPECT_EQ(pictures[1].path, "Graph/攻撃防御.bmp");
    for (const auto& picture : pictures) {
        EXPECT_EQ(picture.depth, TBmpDepth::Paletted8);
        EXPECT_NO_THROW(EncodeBmp(picture.image, picture.depth));
    }
}

TEST(Cursors, TwentyOneNamedCursorsInTheirNumbers) {
    const auto cursors = PaintCursors();
    ASSERT_EQ(cursors.size(), 21u);
    const char* names[21] = {
        "N_Normal",  "NE_Normal", "E_Normal", "SE_Normal", "S_Normal", "SW_Normal", "W_Normal",
        "NW_Normal", "N_Fast",    "NE_Fast",  "E_Fast",    "SE_Fast",  "S_Fast",    "SW_Fast",
        "W_Fast",    "NW_Fast",   "Watch",    "Action",    "Atack",    "Move",      "Talk"};
    for (size_t i = 0; i < cursors.size(); ++i) {
        EXPECT_EQ(cursors[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(cursors[i].name, names[i]);
        EXPECT_EQ(cursors[i].image.Width(), 32);
        EXPECT_EQ(cursors[i].image.Height(), 32);
        std::set<std::tuple<int, int, int>> colours;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const TRgb c = cursors[i].image.At(x, y);
                colours.insert({c.r, c.g, c.b});
            }
        }
        // Monochrome on the mask: black, white and the transparent colour.
        EXPECT_EQ(colours,
                  (std::set<std::tuple<int, int, int>>{{0, 0, 0}, {255, 255, 255}, {255, 0, 255}}))
            << names[i];
        // Nothing may touch the edge, or the white rim would be cut off.
        for (int k = 0; k < 32; ++k) {
            for (const auto& [x, y] : {std::pair{k, 0}, {k, 31}, {0, k}, {31, k}}) {
                EXPECT_EQ(cursors[i].image.At(x, y), CursorMask)
                    << names[i] << " at " << x << "," << y;
            }
        }
    }
}

// The ink of a direction cursor lies towards its direction from the hot spot:
// north up, then clockwise in 45° steps.
TEST(Cursors, DirectionCursorsPointTheirWay) {
    const auto cursors = PaintCursors();
    for (int i = 0; i < 16; ++i) {
        double sx = 0;
        double sy = 0;
        double tipDistance = 0;
        double tipX = 0;
        double tipY = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (cursors[i].image.At(x, y) == TRgb{0, 0, 0}) {
                    const double dx = x + 0.5 - CursorHotSpot;
                    const double dy = y + 0.5 - CursorHotSpot;
                    sx += dx;
                    sy += dy;
                    const double angle = (i % 8) * 45.0 * 3.14159265358979 / 180.0;
                    const double along = dx * std::sin(angle) - dy * std::cos(angle);
                    if (along > tipDistance) {
                        tipDistance = along;
                        tipX = dx;
                        tipY = dy;
                    }
                }
            }
        }
        // The farthest ink along the direction is the tip, close to the ray.
        const double angle = (i % 8) * 45.0 * 3.14159265358979 / 180.0;
        const double across = tipX * std::cos(angle) + tipY * std::sin(angle);
        EXPECT_GT(tipDistance, 11.0) << cursors[i].name;
        EXPECT_LT(std::abs(across), 1.5) << cursors[i].name;
    }
}

TEST(Cursors, ManifestListsEveryFileWithTheCentreHotSpot) {
    const std::string manifest = CursorManifest(PaintCursors());
    EXPECT_NE(manifest.find("# 32 x 32 bitmaps; the colour 255 0 255 is transparent.\n"),
              std::string::npos);
    EXPECT_NE(manifest.find("\n1 N_Normal N_Normal.bmp 16 16\n"), std::string::npos);
    EXPECT_NE(manifest.find("\n9 N_Fast N_Fast.bmp 16 16\n"), std::string::npos);
    EXPECT_NE(manifest.find("\n19 Atack Atack.bmp 16 16\n"), std::string::npos);
    EXPECT_EQ(manifest.substr(manifest.size() - 23), "21 Talk Talk.bmp 16 16\n");
}

TEST(Artwork, SizesOfBackgroundTitleAndIcon) {
    const TImage background = PaintBackgroundTile();
    EXPECT_EQ(background.Width(), 115);
    EXPECT_EQ(background.Height(), 94);
    const TImage title = PaintTitle();
    EXPECT_EQ(title.Width(), 478);
    EXPECT_EQ(title.Height(), 329);
    const TImage icon = PaintIcon();
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
}

TEST(Artwork, EquipmentKindIconsShowOnTheirBackgroundEachInItsOwnSquare) {
    const TImage strip = PaintEquipIcons();
    ASSERT_EQ(strip.Width(), EquipIconCount * EquipIconSize);
    ASSERT_EQ(strip.Height(), EquipIconSize);
    const TRgb background = strip.At(0, 0);
    for (int i = 0; i < EquipIconCount; ++i) {
        int painted = 0;
        for (int y = 0; y < EquipIconSize; ++y) {
            for (int x = 0; x < EquipIconSize; ++x) {
                painted += strip.At(i * EquipIconSize + x, y) == background ? 0 : 1;
            }
        }
        EXPECT_GT(painted, EquipIconSize * EquipIconSize / 4) << "icon " << i;
        EXPECT_EQ(strip.At(i * EquipIconSize, 0), background) << "icon " << i;
    }
}

TEST(Textures, SquarePowersOfTwoAndKeyedOutBackgrounds) {
    const auto textures = PaintTextures();
    std::set<std::string> names;
    for (const auto& texture : textures) {
        EXPECT_TRUE(names.insert(texture.path).second) << texture.path;
        const int w = texture.image.Width();
        EXPECT_EQ(w, texture.image.Height()) << texture.path;
        EXPECT_EQ(w & (w - 1), 0) << texture.path;
    }
    // The seven textures the game keys out with black.
    for (const char* keyed :
         {"Obje/アイテム/かぎ白.bmp", "Obje/アイテム/かぎ赤.bmp", "Obje/アイテム/かぎ青.bmp",
          "Obje/アイテム/かぎ黄.bmp", "Obje/ダンジョン/上り階段.bmp",
          "Obje/ダンジョン/下り階段.bmp", "Obje/アイテム/よろい.bmp"}) {
        ASSERT_EQ(names.count(keyed), 1u) << keyed;
        for (const auto& texture : textures) {
            if (texture.path == keyed) {
                EXPECT_EQ(texture.image.At(0, 0), (TRgb{0, 0, 0})) << keyed;
            }
        }
    }
}

TEST(Pictures, PaintingIsDeterministic) {
    const auto first = ArtPictures();
    const auto second = ArtPictures();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(EncodeBmp(first[i].image, first[i].depth),
                  EncodeBmp(second[i].image, second[i].depth))
            << first[i].path;
    }
    const auto textures = PaintTextures();
    const auto again = PaintTextures();
    for (size_t i = 0; i < textures.size(); ++i) {
        EXPECT_EQ(Bytes(textures[i].image), Bytes(again[i].image)) << textures[i].path;
    }
}

} // namespace
