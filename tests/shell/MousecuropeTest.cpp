#include "shell/Mousecurope.h"

#include "actors/Idastate.h"
#include "shell/SceneWorld.h"

#include <gtest/gtest.h>

namespace {

TEST(PointerDirection, EightSectorsWithTheirEdgesTruncatedTowardZero) {
    struct TCase {
        int dx, dy;
        std::uint8_t dir;
    };
    const TCase cases[] = {
        // Straight above, below, and on the reference point.
        {0, 10, DW_North},
        {0, -10, DW_South},
        {0, 0, DW_North},
        // East: t(±22.5) = ±41 for dx = 100, t(±67.5) = ±241.
        {100, 30, DW_East},
        {100, 40, DW_East},
        {100, 41, DW_NorthEast},
        {100, -41, DW_East},
        {100, -42, DW_SouthEast},
        {100, 240, DW_NorthEast},
        {100, 241, DW_North},
        {100, -241, DW_SouthEast},
        {100, -242, DW_South},
        // West mirrors it through the angles beyond 90 degrees.
        {-100, 40, DW_West},
        {-100, 41, DW_NorthWest},
        {-100, -41, DW_West},
        {-100, -42, DW_SouthWest},
        {-100, 240, DW_NorthWest},
        {-100, 241, DW_North},
        {-100, -241, DW_SouthWest},
        {-100, -242, DW_South},
        // One pixel beside the point: the truncated edges lean the level
        // line to the north.
        {1, 0, DW_NorthEast},
        {1, -1, DW_SouthEast},
        {-1, 0, DW_NorthWest},
        {-1, -1, DW_SouthWest},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(PointerDirection(c.dx, c.dy), c.dir) << c.dx << "," << c.dy;
    }
}

TEST(PointerDirection, CursorsAreTheRingPositionsFromNorthClockwise) {
    const std::uint8_t ring[] = {DW_North, DW_NorthEast, DW_East, DW_SouthEast,
                                 DW_South, DW_SouthWest, DW_West, DW_NorthWest};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(CursorOfDirection(ring[i]), i + 1);
        EXPECT_EQ(DirectionOfCursor(i + 1), ring[i]);
    }
}

// The heroine stands at (3, 3) of an open floor, facing north, with the
// pointer's reference point at (245, 203).
class Pointer : public SceneWorld {
protected:
    void EnterFloor(std::vector<std::string> rows = {".......", ".......", ".......", ".......",
                                                     ".......", ".......", "......."},
                    std::uint8_t dir = DW_North) {
        Enter(rows, 3, 3, dir);
        pointer = &TMouseCurOpe::Instance();
    }

    // The heroine's reserved order and its direction.
    std::pair<DA_State, int> Order() const {
        const IDA_State* order = Hero().GetReserved();
        return {order->GetId(), order->GetParam()};
    }
    void Move(int x, int y) { Operator().PointerMoved(x, y); }
    void Press(int x, int y, bool left = true) { Operator().PointerPressed(x, y, left); }
    void Release(int x, int y) { Operator().PointerReleased(x, y); }

    TMouseCurOpe* pointer = nullptr;
};

TEST_F(Pointer, AHeldButtonWalksTowardThePointerAndFollowsItUntilReleased) {
    EnterFloor();
    Move(245, 100);
    EXPECT_EQ(pointer->Cursor(), 1);
    EXPECT_EQ(Window().cursor, 1);
    Press(245, 100);
    EXPECT_EQ(Order(), std::pair(das_MoveOrder, 0));
    EXPECT_EQ(pointer->Held(), 1);
    Move(245, 90);
    EXPECT_EQ(Order(), std::pair(das_MoveOrder, 0)) << "the same sector orders nothing new";
    Hero().OrderStop();
    Move(400, 203);
    EXPECT_EQ(Order(), std::pair(das_MoveOrder, static_cast<int>(DW_East)))
        << "dragged east, she turns east without a release";
    EXPECT_EQ(Window().cursor, 3);
    Release(400, 203);
    EXPECT_EQ(Order().first, das_Wait);
    EXPECT_EQ(pointer->Held(), 0);
}

TEST_F(Pointer, TheOtherButtonAndFastModeChooseBetweenWalkingAndDashing) {
    EnterFloor();
    struct TCase {
        bool fast, left;
        DA_State order;
        int held, cursor;
    };
    const TCase cases[] = {
        {false, true, das_MoveOrder, 1, 5},
        {false, false, das_Dash, 2, 13},
        {true, true, das_Dash, 2, 13},
        {true, false, das_MoveOrder, 1, 5},
    };
    for (const TCase& c : cases) {
        Window().SetFastMode(c.fast);
        Move(245, 300);
        EXPECT_EQ(Window().cursor, c.fast ? 13 : 5) << "the arrow shows the fast mode";
        Press(245, 300, c.left);
        EXPECT_EQ(Order(), std::pair(c.order, static_cast<int>(DW_South))) << c.fast << c.left;
        EXPECT_EQ(pointer->Held(), c.held);
        EXPECT_EQ(Window().cursor, c.cursor) << "the held button's pace";
        Release(245, 300);
    }
}

TEST_F(Pointer, OverTheHeroineALeftPressActsAndAnotherOpensTheEquipment) {
    EnterFloor();
    Move(245, 200);
    EXPECT_EQ(pointer->Cursor(), ActionCursor);
    EXPECT_EQ(Window().cursor, ActionCursor);
    Press(245, 200, false);
    EXPECT_EQ(Order().first, das_Wait) << "the equipment, not an order";
    Press(245, 200, true);
    EXPECT_EQ(Order().first, das_ActOrder);
    Release(245, 200);
    EXPECT_EQ(pointer->Cursor(), ActionCursor) << "still over her";
}

TEST_F(Pointer, TheCursorSaysWhatTheActionOnWhatSheFacesWouldDo) {
    EnterFloor({".......", ".......", "...D...", ".......", ".......", ".......", "......."});
    // A closed door that her key opens.
    static_cast<TTestFixture*>(map->Block(3, 2).GetWallObje())->answer = dac_Unlock;
    PutEnemy(4, 3, 2, 2);
    Move(245, 100);
    EXPECT_EQ(Window().cursor, MoveCursor) << "a closed door ahead is opened";
    EXPECT_EQ(pointer->Cursor(), ActionCursor);
    Press(245, 100);
    EXPECT_EQ(Order().first, das_ActOrder);
    Release(245, 100);
    Move(400, 203);
    EXPECT_EQ(Window().cursor, 3) << "she does not face the enemy to the east";
    Hero().TurnTo(DW_East);
    Window().pointer = {400, 203};
    Operator().RefreshCursor();
    EXPECT_EQ(Window().cursor, AttackCursor) << "facing it after her turn";
}

TEST_F(Pointer, EnemiesAndItemsAreLookedAtOnlyOncePickingIsOn) {
    EnterFloor();
    TEnemy& enemy = PutEnemy(1, 1, 2, 2);
    const TScreenPoint at = ScreenOf(1, 1);
    Move(at.x, at.y);
    EXPECT_GE(pointer->Cursor(), 1);
    EXPECT_LE(pointer->Cursor(), 8) << "no automap, no looking: a direction";
    pointer->EnablePicking(true);
    Move(at.x, at.y);
    EXPECT_EQ(Window().cursor, WatchCursor);
    Press(at.x, at.y);
    EXPECT_EQ(Status().ShownEnemy(), &enemy);
    EXPECT_EQ(Order().first, das_Wait) << "looking orders nothing";
}

} // namespace
