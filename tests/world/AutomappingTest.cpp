#include "world/Automapping.h"

#include "actors/Enemy.h"
#include "actors/Floaractersub.h"
#include "support/DungeonWorld.h"
#include "support/FloarSketch.h"
#include "support/TileCanvas.h"
#include "world/Automaptiles.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using TCells = std::set<std::pair<int, int>>;

// A room of nine with its centre at (2, 2), a room of one block without a
// centre at (2, 4), and the corridors between them.
TFloarData RoomsFloar() {
    return SketchFloar({
        "#######",
        "#111#.#",
        "#111..#",
        "#111#.#",
        "..2...#",
        "#######",
    });
}

// The automap as the game has it: the program's one, over the world's
// floor, drawing into a picture of tiles; the heroine's reveals reach it.
class AutoMapping : public testing::Test {
protected:
    TAutoMapping& Enter(TDungeonData stages) {
        map = &world.Enter(stages);
        automap = &IAutoMapping::AdoptInstance(
            std::make_unique<TAutoMapping>(TSaveMapping(stages), world.Hero()));
        world.heroes.links.whenRevealed = [this] { automap->RequestReveal(); };
        automap->AttachDungeon(0, *map, picture);
        automap->SelectFloar(0);
        return *automap;
    }
    TAutoMapping& EnterAt(int x, int y, TFloarData floar) {
        return Enter({SketchStage(x, y, {std::move(floar)})});
    }

    TCells Seen() const {
        TCells seen;
        const TFloarClear& floar = automap->Seen().Floar(0, 0);
        for (int y = 0; y < floar.Height(); ++y) {
            for (int x = 0; x < floar.Width(); ++x) {
                if (floar.IsSeen(x, y)) {
                    seen.emplace(x, y);
                }
            }
        }
        return seen;
    }
    static TCells Square(int left, int top, int right, int bottom) {
        TCells cells;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                cells.emplace(x, y);
            }
        }
        return cells;
    }

    TDungeonWorld world;
    TTileCanvas picture;
    TActiveMapDung* map = nullptr;
    TAutoMapping* automap = nullptr;
};

} // namespace

TEST(AutomapTiles, DoorsTakeTwoTilesPerSubKindOpenOrClosedAndTurned) {
    struct TCase {
        int subKind;
        bool open;
        int direction;
        int tile;
    };
    const TCase cases[] = {
        {2, false, DW_North, 6}, {2, true, DW_East, 19}, {7, true, DW_North, 16},
        {6, true, DW_North, 26}, {7, false, DW_West, 5}, {3, false, DW_South, 8},
    };
    for (const TCase& door : cases) {
        EXPECT_EQ(DoorTile(door.subKind, door.open, door.direction), door.tile)
            << door.subKind << " " << door.open << " " << door.direction;
    }
}

TEST_F(AutoMapping, EveryThingOnABlockHasItsTile) {
    Enter({BusiestStage()});
    const struct {
        int x, y;
        int tile;
        const char* what;
    } cases[] = {
        {8, 6, 0, "the heroine"},
        {6, 8, 49, "an obstacle block"},
        {2, 2, 50, "an enemy"},
        {0, 0, 51, "a wall"},
        {13, 7, 54, "a wall switch before its wall"},
        {11, 5, 6, "a closed switch door facing north"},
        {4, 5, 8, "a closed door of key 1"},
        {14, 9, 48, "a closed chest"},
        {1, 6, 48, "an item"},
        {1, 10, 1, "the fairy"},
        {7, 6, 28, "a timed floor switch"},
        {5, 6, 53, "an empty square"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TileOf(world.Block(c.x, c.y)), c.tile) << c.what;
    }
}

TEST_F(AutoMapping, OpenDoorsExitsAndLevelFloorsHaveTheirTiles) {
    TFloarData floar = SketchFloar({"#########", "#.......#", "#########"});
    floar.objects = {ObjectAt(1, 1, BO_Door, 7), ObjectAt(2, 1, BO_Door, 3),
                     ObjectAt(3, 1, BO_Door, 6)};
    for (TBlockObje& door : floar.objects) {
        door.startsOpen = 1;
    }
    floar.objects[1].direction = DW_East;
    floar.floarActers = {FloorActerAt(4, 1, BF_Exit, 2, 5, 1), FloorActerAt(5, 1, BF_Exit, 3, 5, 1),
                         FloorActerAt(6, 1, BF_LevelFloar, 3),
                         FloorActerAt(7, 1, BF_ForcedLevelFloar, 2)};
    // The floor the exit of sub-kind 2 leads down to.
    Enter({SketchStage(5, 1, {floar, BareFloar(9, 3)})});
    EXPECT_EQ(TileOf(world.Block(1, 1)), 16) << "open, no lock, north";
    EXPECT_EQ(TileOf(world.Block(2, 1)), 21) << "open, key 1, east";
    EXPECT_EQ(TileOf(world.Block(3, 1)), 26) << "open, key 4, north";
    EXPECT_EQ(TileOf(world.Block(4, 1)), 3) << "an exit of sub-kind 2";
    EXPECT_EQ(TileOf(world.Block(5, 1)), 0) << "the heroine stands on the other exit";
    EXPECT_EQ(TileOf(world.Block(6, 1)), 32) << "level floor 3";
    EXPECT_EQ(TileOf(world.Block(7, 1)), 42) << "forced level 2";
}

TEST_F(AutoMapping, TheFirstStepIntoARoomRevealsItWithItsSurroundings) {
    EnterAt(2, 2, RoomsFloar());
    automap->RevealAroundHeroine();
    TCells roomAndSurroundings = Square(0, 0, 4, 4);
    roomAndSurroundings.erase({2, 4});
    EXPECT_EQ(Seen(), roomAndSurroundings) << "the room of one below is no surrounding";
    EXPECT_EQ(picture.TileAt(2, 2), 0) << "she is drawn";
    EXPECT_EQ(picture.TileAt(0, 0), 51);
    EXPECT_EQ(picture.TileAt(5, 5), TTileCanvas::Background) << "not seen: background";
}

TEST_F(AutoMapping, ElsewhereOnlyTheSquaresAroundHerAreRevealed) {
    struct TCase {
        const char* where;
        int x, y;
        bool centreSeen;
        TCells seen;
    };
    const TCase cases[] = {
        {"column 0: columns 0 and 1 only", 0, 4, false, Square(0, 3, 1, 5)},
        {"a room whose centre is seen", 1, 1, true, Square(0, 0, 2, 2)},
        {"a room without a centre", 2, 4, false, Square(1, 3, 3, 5)},
        {"a corridor", 5, 2, false, Square(4, 1, 6, 3)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.where);
        EnterAt(c.x, c.y, RoomsFloar());
        if (c.centreSeen) {
            automap->Seen().Floar(0, 0).MarkSeen(2, 2);
        }
        automap->RevealAroundHeroine();
        EXPECT_EQ(Seen(), c.seen);
    }
}

TEST_F(AutoMapping, HerWalkRevealsAtTheTurnsEndAndOnlyWhileAttached) {
    EnterAt(5, 3, RoomsFloar());
    world.Step(DW_North);
    EXPECT_EQ(world.Hero().GetBlock(), &world.Block(5, 2));
    EXPECT_EQ(Seen(), Square(4, 1, 6, 3));
    world.Step(DW_West);
    world.Step(DW_West);
    ASSERT_EQ(world.Hero().GetBlock(), &world.Block(3, 2));
    EXPECT_EQ(Seen().count({1, 1}), 1u) << "the room came at once";

    automap->DetachDungeon();
    automap->RequestReveal();
    automap->RefreshMap();
    EXPECT_EQ(automap->BlockAtPixel(10, 10), nullptr) << "nothing shown while detached";
}

TEST_F(AutoMapping, BlockAtPixelGivesTheBlockOfASeenSquare) {
    EnterAt(0, 1, RoomsFloar());
    automap->RevealAroundHeroine();
    EXPECT_EQ(automap->BlockAtPixel(4, 9), &world.Block(0, 1));
    EXPECT_EQ(automap->BlockAtPixel(9, 5), &world.Block(1, 1));
    EXPECT_EQ(automap->BlockAtPixel(10, 5), nullptr) << "column 2 is not seen";
    EXPECT_EQ(automap->BlockAtPixel(35, 0), nullptr) << "beyond the floor";
    EXPECT_EQ(automap->BlockAtPixel(4, 30), nullptr) << "below the floor";
}

TEST_F(AutoMapping, AnEnemysSquaresAreRedrawnWhenItWalks) {
    TFloarData floar = RoomsFloar();
    floar.enemies = {EnemyKind(1, 0, 1, 9)};
    floar.guests = {EnemyAt(5, 3, DW_South, 0)};
    EnterAt(5, 2, floar);
    automap->RevealAroundHeroine();
    TDungBlock& from = world.Block(5, 3);
    TDungBlock& to = world.Block(5, 4);
    ASSERT_EQ(picture.TileAt(5, 3), 50);
    IDungActer* enemy = from.GetGuest();
    to.ReserveGuest(enemy);
    from.LeaveGuest();
    automap->RecordMove(&from, &to);
    from.ClearLeaving();
    to.ArriveGuest();
    const int drawn = picture.tilesDrawn;
    automap->RefreshMap();
    EXPECT_EQ(picture.TileAt(5, 3), 53) << "the square it left is empty";
    EXPECT_EQ(picture.TileAt(5, 4), TTileCanvas::Background) << "not seen: not drawn";
    EXPECT_EQ(picture.tilesDrawn, drawn + 1);
}

TEST_F(AutoMapping, ANewFloorIsDrawnAnewOnTheBackground) {
    EnterAt(2, 2, RoomsFloar());
    automap->RevealAroundHeroine();
    picture.fillColours.clear();
    automap->SelectFloar(0);
    ASSERT_FALSE(picture.fillColours.empty());
    EXPECT_EQ(picture.fillColours.front(), 0xD5C0A8u);
    EXPECT_EQ(picture.TileAt(2, 2), 0);
    EXPECT_EQ(picture.Pixel(299, 249), TTileCanvas::Background);
}
