#include "actors/Idungacter.h"

#include "actors/Acterrecord.h"
#include "platform/SjisText.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "support/TestActers.h"
#include "support/TestMap.h"
#include "world/Base3dutil.h"

#include <gtest/gtest.h>

namespace {

// A state that keeps the count its step sees and how often it was entered.
class TCountingState final : public IDA_State {
public:
    TCountingState(DA_State stateId, IDungActer& acter, int stepCount)
        : IDA_State(stateId), owner(acter), steps(stepCount) {}
    IDungActer* GetOwner() const override { return &owner; }
    void Enter() override {
        IDA_State::Enter();
        SetDuration(steps);
        ++entered;
    }
    bool Step() override {
        const bool finished = IDA_State::Step();
        seen.push_back(GetCount());
        return finished;
    }

    IDungActer& owner;
    int steps;
    int entered = 0;
    std::vector<int> seen;
};

// Standby lasts 4 steps, TurnOn none.
class TStateActer final : public TTestFixture {
public:
    explicit TStateActer(int ticksPerMotion = 0)
        : TTestFixture(TActerKind::Other, dac_Attack, std::make_unique<TFakeBody>(ticksPerMotion)) {
        CreateStates(Kinds(), [this](DA_State id) {
            return std::make_unique<TCountingState>(id, *this, id == das_Standby ? 4 : 0);
        });
    }
    static const TDAStateSet& Kinds() {
        static const TDAStateSet kinds = {das_Standby, das_TurnOn};
        return kinds;
    }
    TCountingState& Counting(DA_State id) const {
        return static_cast<TCountingState&>(*StateOf(id));
    }
    TFakeBody& Body() const { return static_cast<TFakeBody&>(*GetBody()); }
};

TEST(DungActerStates, AStateOfFourStepsSeesCountsOneToFourAndFinishesAtTheFourth) {
    TStateActer acter;
    acter.SetState(acter.StateOf(das_Standby));
    EXPECT_FALSE(acter.Tick());
    EXPECT_FALSE(acter.Tick());
    EXPECT_FALSE(acter.Tick());
    EXPECT_TRUE(acter.Tick());
    EXPECT_EQ(acter.Counting(das_Standby).seen, (std::vector<int>{1, 2, 3, 4}));
}

TEST(DungActerStates, AStateWithoutDurationFinishesAtItsFirstStep) {
    TStateActer acter;
    acter.SetState(acter.StateOf(das_TurnOn));
    EXPECT_TRUE(acter.Tick());
    EXPECT_EQ(acter.Counting(das_TurnOn).seen, (std::vector<int>{0}));
}

TEST(DungActerStates, EnteringAStateGivesTheBodyItsRestingPose) {
    TStateActer acter;
    acter.SetMotion(1);
    acter.SetState(acter.StateOf(das_TurnOn));
    EXPECT_EQ(acter.Body().Motion(), TFakeBody::Stopped);
}

TEST(DungActerStates, TakingNothingReservedKeepsTheCurrentState) {
    TStateActer acter;
    acter.SetState(acter.StateOf(das_Standby));
    EXPECT_FALSE(acter.TakeReserved());
    EXPECT_EQ(acter.GetStateId(), das_Standby);
}

TEST(DungActerStates, AReservationStaysAfterItIsTaken) {
    TStateActer acter;
    acter.SetState(acter.StateOf(das_Standby));
    acter.Reserve(acter.StateOf(das_TurnOn));
    EXPECT_EQ(acter.GetStateId(), das_Standby);
    EXPECT_TRUE(acter.TakeReserved());
    EXPECT_TRUE(acter.TakeReserved());
    EXPECT_EQ(acter.GetStateId(), das_TurnOn);
    EXPECT_EQ(acter.Counting(das_TurnOn).entered, 2);
}

TEST(DungActerStates, AStateTheKindDoesNotSupportIsRefused) {
    TStateActer acter;
    EXPECT_EQ(GameErrorOf([&] { acter.StateOf(das_Walk); }),
              Sjis("識別を指定してステイトを得るエラー"));
}

TEST(DungActerStates, EveryActerOfAKindHasItsOwnStatesFromTheSharedTable) {
    TStateActer first;
    TStateActer second;
    EXPECT_NE(first.StateOf(das_Standby), second.StateOf(das_Standby));
    EXPECT_EQ(first.StateOf(das_Standby)->GetOwner(), &first);
}

TEST(DungActerNullState, FinishesAtOnceWhenNoMotionPlays) {
    TStateActer acter;
    acter.SetState(IDungActer::NullState());
    EXPECT_EQ(acter.GetStateId(), das_Null);
    EXPECT_TRUE(acter.Tick());
}

TEST(DungActerNullState, WaitsForTheMotionStillPlaying) {
    TStateActer acter(3);
    acter.SetMotion(1);
    acter.SetState(IDungActer::NullState());
    EXPECT_FALSE(acter.Tick());
    EXPECT_FALSE(acter.Tick());
    EXPECT_TRUE(acter.Tick());
}

TEST(DungActerNullState, IsOneSharedStateWithoutOwner) {
    EXPECT_EQ(IDungActer::NullState(), &Tdast_Null::Instance());
    EXPECT_EQ(IDungActer::NullState()->GetOwner(), nullptr);
}

TEST(DungActerTurning, TurningToTheCurrentDirectionLeavesTheBodyAlone) {
    TStateActer acter;
    acter.record[RecordDirectionOffset] = DW_East;
    acter.TurnTo(DW_East);
    EXPECT_EQ(acter.Body().Turned(), 0.0f);
}

TEST(DungActerTurning, TurningRotatesByTheClockwiseAngleAndStoresTheDirection) {
    TStateActer acter;
    acter.record[RecordDirectionOffset] = DW_North;
    acter.TurnTo(DW_West);
    EXPECT_EQ(acter.Body().Turned(), 270.0f);
    EXPECT_EQ(acter.GetDirection(), DW_West);
}

TEST(DungActerPlacing, PlaceOnResetsTheBodyAndFacesItFromSouth) {
    TTestMap map({"..."});
    TStateActer acter;
    acter.Move(5.0f, 0.0f, 0.0f);
    acter.record[RecordDirectionOffset] = DW_West;
    acter.PlaceOn(&map.Block(1, 0));
    EXPECT_EQ(acter.Body().Turned(), WayAngle(DW_South, DW_West));
    EXPECT_EQ(acter.Body().X(), 0.0f);
    EXPECT_EQ(acter.GetBlock(), &map.Block(1, 0));
}

TEST(DungActerPlacing, MoveToChangesBlockAndRecordButNotTheBody) {
    TTestMap map({"...", "..."});
    TStateActer acter;
    acter.PlaceOn(&map.Block(0, 0));
    const TOneMat before = acter.Body().Matrix().GetOneMat();
    acter.MoveTo(&map.Block(2, 1));
    EXPECT_EQ(acter.GetBlock(), &map.Block(2, 1));
    EXPECT_EQ(ReadRecordI16(acter.record.data(), RecordXOffset), 2);
    EXPECT_EQ(ReadRecordI16(acter.record.data(), RecordYOffset), 1);
    EXPECT_EQ(acter.Body().Matrix().GetOneMat().Values(), before.Values());
}

TEST(DungActerPlacing, TheFrontBlockIsTheNeighbourInTheFacingAndNoneAtTheEdge) {
    TTestMap map({"...", "..."});
    TStateActer acter;
    acter.PlaceOn(&map.Block(1, 1));
    acter.SetDirection(DW_NorthEast);
    EXPECT_EQ(acter.FrontBlock(), &map.Block(2, 0));
    acter.SetDirection(DW_South);
    EXPECT_EQ(acter.FrontBlock(), nullptr);
}

TEST(DungActerPlacing, LeavingTheFloorEmptiesOnlyItsOwnGuestSlot) {
    TTestMap map({"..."});
    TStateActer acter;
    TStateActer other;
    acter.PlaceOn(&map.Block(0, 0));
    map.Block(0, 0).SetGuest(&acter);
    acter.LeaveFloor();
    EXPECT_EQ(map.Block(0, 0).GetGuest(), nullptr);
    EXPECT_EQ(acter.GetBlock(), &map.Block(0, 0));

    // A walker that has already gone on leaves the new guest in place.
    map.Block(0, 0).SetGuest(&other);
    acter.LeaveFloor();
    EXPECT_EQ(map.Block(0, 0).GetGuest(), &other);
}

TEST(DungActerBody, MotionsAndPartsGoToTheBody) {
    TStateActer acter;
    acter.SetMotion(2);
    acter.SetMotion(-1);
    acter.ShowPart(3, true);
    EXPECT_EQ(acter.Body().Motions(), (std::vector<std::int16_t>{2, TFakeBody::Stopped}));
    EXPECT_EQ(acter.Body().lastPart, 3);
    EXPECT_TRUE(acter.Body().lastPartVisible);
}

TEST(DungActerBody, ABodilessActerIgnoresMatrixOperations) {
    TTestFixture wall(TActerKind::DungWall);
    wall.YRota(90.0f);
    wall.Move(1.0f, 0.0f, 0.0f);
    wall.TurnTo(DW_North);
    EXPECT_EQ(wall.GetDirection(), DW_North);
}

} // namespace
