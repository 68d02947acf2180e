#include "activemap/Drawmaster.h"

#include "activemap/Outfield.h"
#include "platform/SjisText.h"
#include "scene/NullEngine.h"
#include "support/FakeBody.h"
#include "support/TestMap.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// A map whose every block carries one fixture with a body and which has all
// eight out fields; every drawn body can be told by its graphics.
class DrawMaster : public testing::Test {
protected:
    static constexpr int Side = 20;

    DrawMaster() : map(std::vector<std::string>(Side, std::string(Side, '.'))) {
        for (int y = 0; y < Side; ++y) {
            for (int x = 0; x < Side; ++x) {
                auto body = std::make_unique<TFakeBody>();
                Name(*body, "cell " + std::to_string(x) + "," + std::to_string(y));
                map.Block(x, y).Add(
                    std::make_unique<TTestFixture>(TActerKind::Other, dac_None, std::move(body)));
            }
        }
        IActiveMap::TOutFields fields;
        for (int type = 0; type < IActiveMap::OutFieldCount; ++type) {
            const bool acrossNorthSouth = type < 2;
            const bool alongWestEast = type == 2 || type == 3;
            const int columns = acrossNorthSouth ? Side : 5;
            const int rows = alongWestEast ? Side : 5;
            TOutField::TRows bodies(static_cast<size_t>(rows));
            for (auto& row : bodies) {
                for (int j = 0; j < columns; ++j) {
                    row.push_back(std::make_unique<TFakeBody>());
                    Name(static_cast<TFakeBody&>(*row.back()), "field " + std::to_string(type));
                }
            }
            fields[static_cast<size_t>(type)] = std::make_unique<TOutField>(
                static_cast<std::uint8_t>(type), std::move(bodies), Side, Side);
        }
        map.SetOutFields(std::move(fields));
    }

    void Name(const TFakeBody& body, const std::string& name) { names[body.Graphics()] = name; }

    TTestFighter& PlaceHero(int x, int y) {
        TTestFighter& hero = map.PlaceHero(x, y, DW_North);
        Name(hero.Body(), "heroine");
        return hero;
    }
    // Her block and her body somewhere else, as a jump puts them.
    void MoveHero(TTestFighter& hero, int x, int y) {
        hero.MoveTo(&map.Block(x, y));
        hero.Body().Move(WorldXOfBlock(x) - hero.Body().X(), 0.0f,
                         WorldZOfBlock(y) - hero.Body().Z());
    }

    // The names of what the last frame drew, in order.
    std::vector<std::string> Drawn() const {
        std::vector<std::string> drawn;
        for (const auto& draw : engine.Draws()) {
            drawn.push_back(names.at(draw.graphics));
        }
        return drawn;
    }
    int CountDrawn(const std::string& name) const {
        const auto drawn = Drawn();
        return static_cast<int>(std::count(drawn.begin(), drawn.end(), name));
    }
    int CellsDrawn() const {
        const auto drawn = Drawn();
        return static_cast<int>(std::count_if(drawn.begin(), drawn.end(), [](const auto& name) {
            return name.rfind("cell ", 0) == 0;
        }));
    }

    // Where the camera stands, as placed in the world.
    std::array<float, 3> Camera() {
        const TOneMat& camera = engine.GetViewMat().GetOneMat();
        return {camera.At(3, 0), camera.At(3, 1), camera.At(3, 2)};
    }
    static std::array<float, 3> Behind(const TTestFighter& hero) {
        return {hero.Body().X(), TDrawMaster::CameraHeight,
                hero.Body().Z() - TDrawMaster::CameraBack};
    }

    TTestMap map;
    TNullEngine engine;
    TDrawMaster drawMaster;
    std::map<const I3DGrph*, std::string> names;
};

TEST_F(DrawMaster, SetupPlacesTheCameraBehindTheHeroineAndKeysTheSevenTextures) {
    const TTestFighter& hero = PlaceHero(7, 12);
    drawMaster.SetupDungeon(engine, map);
    std::vector<std::string> expected{"SetupScene", "SetProjection", "ApplyView"};
    for (const char* name :
         {"Obje/アイテム/かぎ白.bmp", "Obje/アイテム/かぎ赤.bmp", "Obje/アイテム/かぎ青.bmp",
          "Obje/アイテム/かぎ黄.bmp", "Obje/ダンジョン/上り階段.bmp",
          "Obje/ダンジョン/下り階段.bmp", "Obje/アイテム/よろい.bmp"}) {
        expected.push_back("SetColorKey " + Sjis(name) + " 0");
    }
    EXPECT_EQ(engine.Calls(), expected);
    EXPECT_EQ(Camera(), Behind(hero));
    // Looking 56 degrees down: the camera's forward axis is its third row.
    const TOneMat& camera = engine.GetViewMat().GetOneMat();
    EXPECT_NEAR(camera.At(2, 1), -std::sin(56.0f * 3.14159265f / 180.0f), 1e-6f);
    EXPECT_NEAR(camera.At(2, 2), std::cos(56.0f * 3.14159265f / 180.0f), 1e-6f);
    EXPECT_FLOAT_EQ(engine.Projection().At(0, 0), 0.9f);
    EXPECT_FLOAT_EQ(engine.Projection().At(1, 1), std::cos(0.4f));
}

TEST_F(DrawMaster, AFrameDrawsCellsThenTheActorsThenTheOutFields) {
    PlaceHero(10, 12);
    const TTestFighter& enemy = map.PlaceEnemy(11, 11, DW_South);
    Name(enemy.Body(), "enemy");
    drawMaster.SetupDungeon(engine, map);
    engine.ClearLog();
    drawMaster.DrawScene();

    ASSERT_GE(engine.Calls().size(), 3u);
    EXPECT_EQ(engine.Calls().front(), "ApplyView");
    EXPECT_EQ(engine.Calls()[1], "BeginFrame");
    EXPECT_EQ(engine.Calls().back(), "EndFrame");
    // Columns 2 to 18, rows 3 to 18, row by row; then the movers; no out
    // field is near enough from the middle of the grid.
    const std::vector<std::string> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 17u * 16u + 2u);
    EXPECT_EQ(drawn.front(), "cell 2,3");
    EXPECT_EQ(drawn[1], "cell 3,3");
    EXPECT_EQ(drawn[17], "cell 2,4");
    EXPECT_EQ(drawn[17u * 16u - 1], "cell 18,18");
    EXPECT_EQ(drawn[17u * 16u], "heroine");
    EXPECT_EQ(drawn.back(), "enemy");

    // A fixture's body is drawn where its cell lies; a mover's where it is.
    const TMatValues& cell = engine.Draws().front().world;
    EXPECT_FLOAT_EQ(cell[12], WorldXOfBlock(2));
    EXPECT_FLOAT_EQ(cell[14], WorldZOfBlock(3));
    const TMatValues& mover = engine.Draws().back().world;
    EXPECT_FLOAT_EQ(mover[12], WorldXOfBlock(11));
    EXPECT_FLOAT_EQ(mover[14], WorldZOfBlock(11));
}

TEST_F(DrawMaster, AtTheGridsCornerTheWindowIsClippedAndTheNearOutFieldsDrawn) {
    struct TCase {
        int x, y;
        int cells;
        std::array<int, 8> fieldBodies;
    };
    // North-west corner: columns 0-8, rows 0-6; the north field's columns
    // 0-10, the west field's rows 0-6, all of the north-west one. South-east
    // corner: columns 11-19, rows 10-19, and the fields of that side. From
    // (10, 10) the north field and both northern corners are near enough.
    const TCase cases[] = {
        {0, 0, 9 * 7, {11 * 5, 0, 5 * 7, 0, 25, 0, 0, 0}},
        {19, 19, 9 * 10, {0, 12 * 5, 0, 5 * 9, 0, 0, 0, 25}},
        {10, 10, 17 * 16, {20 * 5, 0, 0, 0, 25, 25, 0, 0}},
    };
    TTestFighter& hero = PlaceHero(0, 0);
    for (const TCase& c : cases) {
        MoveHero(hero, c.x, c.y);
        drawMaster.SetupDungeon(engine, map);
        engine.ClearLog();
        drawMaster.DrawScene();
        EXPECT_EQ(CellsDrawn(), c.cells) << c.x << "," << c.y;
        for (int type = 0; type < 8; ++type) {
            EXPECT_EQ(CountDrawn("field " + std::to_string(type)),
                      c.fieldBodies[static_cast<size_t>(type)])
                << c.x << "," << c.y << " field " << type;
        }
    }
}

TEST_F(DrawMaster, AWalkNorthMovesTheCameraByExactlyOneCellOverItsFourFrames) {
    TTestFighter& hero = PlaceHero(5, 10);
    drawMaster.SetupDungeon(engine, map);
    const std::array<float, 3> start = Camera();
    for (int frame = 1; frame <= 4; ++frame) {
        hero.Body().Move(0.0f, 0.0f, 0.5f);
        drawMaster.DrawScene();
        EXPECT_EQ(Camera()[2] - start[2], 0.5f * static_cast<float>(frame)) << frame;
    }
    EXPECT_EQ(Camera()[0], start[0]);
    EXPECT_EQ(Camera()[1], start[1]);
    EXPECT_EQ(Camera()[2], start[2] + 2.0f);
}

TEST_F(DrawMaster, AfterAChangeOfFloorTheCameraKeepsItsPlaceBehindTheHeroine) {
    TTestFighter& hero = PlaceHero(5, 10);
    drawMaster.SetupDungeon(engine, map);
    drawMaster.DrawScene();
    // The new floor puts her on its start cell; the setup stays.
    MoveHero(hero, 12, 3);
    drawMaster.DrawScene();
    EXPECT_EQ(Camera(), Behind(hero));
}

TEST_F(DrawMaster, TheVillageDrawsItsPeopleAndThenItsPlacedObjectsOnTheirBlocks) {
    TTestMap village({"....", "....", "...."}, true);
    TTestFighter& hero = village.PlaceHero(0, 0, DW_North);
    Name(hero.Body(), "heroine");
    TTestFighter& person = village.PlaceEnemy(3, 0, DW_West);
    Name(person.Body(), "person");
    village.people = {&person};
    auto propBody = std::make_unique<TFakeBody>();
    Name(*propBody, "prop");
    TTestFixture prop(TActerKind::Other, dac_None, std::move(propBody));
    prop.MoveTo(&village.Block(2, 1));
    village.placed = {&prop};

    drawMaster.SetupVillage(engine, village);
    drawMaster.DrawScene();
    EXPECT_EQ(Drawn(), (std::vector<std::string>{"heroine", "person", "prop"}));
    const TMatValues& placed = engine.Draws().back().world;
    EXPECT_FLOAT_EQ(placed[12], WorldXOfBlock(2));
    EXPECT_FLOAT_EQ(placed[14], WorldZOfBlock(1));
}

TEST_F(DrawMaster, HiddenPartsAndBodilessActorsDrawNothing) {
    const TTestFighter& hero = PlaceHero(5, 5);
    hero.Body().GetRoot().visible = false;
    map.Block(5, 4).Add(std::make_unique<TTestFixture>(TActerKind::Other));
    drawMaster.SetupDungeon(engine, map);
    drawMaster.DrawScene();
    EXPECT_EQ(CountDrawn("heroine"), 0);
    EXPECT_EQ(CellsDrawn(), 14 * 12);
}

TEST_F(DrawMaster, NothingIsDrawnBeforeTheFirstSetup) {
    drawMaster.DrawScene();
    EXPECT_TRUE(engine.Calls().empty());
}

} // namespace
