#pragma once

#include "actors/Dastswitch.h"
#include "actors/Floaracter.h"
#include "save/Saverecords.h"
#include "world/BlockRecords.h"

#include <cstddef>
#include <cstdint>
#include <memory>

#pragma pack(push, 1)

// The record that exits and level floors keep of themselves.
struct TFloarRecord {
    std::uint8_t kind = 0;
    std::uint8_t subKind = 0;
    std::uint8_t unset1[2]{};
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::uint8_t direction = 0; // always south
    std::uint8_t unset2 = 0;
};

#pragma pack(pop)

static_assert(sizeof(TFloarRecord) == 10);
static_assert(offsetof(TFloarRecord, x) == RecordXOffset &&
              offsetof(TFloarRecord, direction) == RecordDirectionOffset);

// A floor actor placed from its floor record, keeping a record of its own:
// nothing of it changes in play, so nothing of it is saved.
class TRecordedFloar : public TFloarActer {
public:
    using TFloarActer::TFloarActer;

    std::uint8_t* GetRecord() final { return RecordBytes(record); }
    std::uint8_t* GetIdentity() final { return GetRecord(); }

    // Takes kind, sub-kind and position from the floor record.
    virtual void PlaceFloor(TDungBlock* onBlock, const TBlockFloar& floarRecord);

private:
    TFloarRecord record;
};

// Stairs and ways out. Only the heroine steps onto them.
class TFloarExit final : public TRecordedFloar {
public:
    TFloarExit(std::unique_ptr<IActerBody> exitBody, std::uint8_t type);

    TActerKind GetKind() const override { return TActerKind::FloarExit; }
    int GetSubKind() const override { return exitType; }
    // The map takes her away at the end of the turn, not the exit itself.
    void HeroArrived() override {}
    // The floor it leads to from `floor` (< 0: out of the dungeon), and the
    // block she arrives on. Raises "床の移動先取得エラー" for an exit type
    // outside 1 to 5.
    int GetDestination(int floor, int& x, int& y) override;
    bool MayHeroEnter() override { return true; }
    bool MayOthersEnter() override { return false; }
    void PlaceFloor(TDungBlock* onBlock, const TBlockFloar& floarRecord) override;

    std::uint8_t GetExitType() const { return exitType; }

private:
    std::uint8_t exitType;
    int arrivalX = 0;
    int arrivalY = 0;
    std::uint8_t targetFloar = 0;
};

// Lets the heroine pass only within a range of levels: values 1 to 6 from
// level value + 1 on, values 7 to 12 up to level value - 5. Anybody else
// passes.
class TFloarLevel final : public TRecordedFloar {
public:
    TFloarLevel(std::unique_ptr<IActerBody> levelBody, std::uint8_t levelValue);

    TActerKind GetKind() const override { return TActerKind::FloarLevel; }
    int GetSubKind() const override { return value; }
    void HeroArrived() override {}
    int GetDestination(int, int&, int&) override { return 0; }
    // The rule for her present level.
    bool MayHeroEnter() override;
    bool MayOthersEnter() override { return true; }
    // The rule for a heroine of level `level`; raises
    // "主人公が進入可能かどうかチェックエラー" for a value outside 1 to 12.
    bool Admits(int level) const;

    std::uint8_t GetLevelValue() const { return value; }

private:
    std::uint8_t value;
};

// Sets the heroine's level when she arrives; the map applies it at the end
// of her step.
class TFloarForcedLV final : public TRecordedFloar {
public:
    TFloarForcedLV(std::unique_ptr<IActerBody> forcedBody, int forcedLevel);

    TActerKind GetKind() const override { return TActerKind::FloarForcedLV; }
    int GetSubKind() const override { return level; }
    void HeroArrived() override {}
    // The level it sets.
    int GetDestination(int, int&, int&) override { return level; }
    bool MayHeroEnter() override { return true; }
    bool MayOthersEnter() override { return true; }

private:
    int level;
};

// Switch kinds: pops up again after some turns, or stays down.
inline constexpr std::uint8_t TimedFloarSwitch = 1;
inline constexpr std::uint8_t PermanentFloarSwitch = 2;
// Steps of a floor switch going down or coming up.
inline constexpr int FloarSwitchSteps = 3;

// A switch pressed down by the heroine's weight, linked to one door, which
// switches whenever the switch has gone down or come up. A timed switch
// counts the turns after it went down and comes up when its count runs out.
// Its save record keeps whether it is down and the turns still to go, so
// the count goes on when the floor is built again.
class TFloarSwitch final : public TFloarActer, public ISwitching {
public:
    TFloarSwitch(std::unique_ptr<IActerBody> switchBody, std::uint8_t kind, std::uint8_t reset);

    std::uint8_t* GetRecord() override { return record ? RecordBytes(*record) : nullptr; }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    TActerKind GetKind() const override { return TActerKind::FloarSwitch; }
    int GetSubKind() const override { return switchKind; }
    // Goes down unless it is down already.
    void HeroArrived() override;
    int GetDestination(int, int&, int&) override { return 0; }
    // Enemies walk over it without pressing it.
    bool MayHeroEnter() override { return true; }
    bool MayOthersEnter() override { return true; }
    // One linked object; a second is an error.
    void Link(IDungActer& other) override;
    // Doors do not move floor switches.
    void LinkedChanged(IDungActer&) override {}
    // A turn has passed since it went down: true once it has started to come
    // up, so it is told of turns no more. Raises
    // "床スイッチにダンジョンターンの進展を伝えるエラー" for a permanent switch
    // and for a count already at 0.
    bool TurnPassed() override;

    // Down is on: motion 0 presses it down, motion 1 lets it up.
    void SetOnMotion() override { SetMotion(0); }
    void SetOffMotion() override { SetMotion(1); }
    bool SwitchEnded(bool turnedOn) override;

    // Lies on `onBlock` as its record says, down showing the end pose of its
    // motion down. It takes no state until it first moves.
    void PlaceSwitch(TDungBlock* onBlock, TSaveTile& tileRecord);

    std::uint8_t GetSwitchKind() const { return switchKind; }
    std::uint8_t GetResetCount() const { return resetCount; }
    bool IsPressed() const { return record && record->pressed != 0; }
    IDungActer* GetLink() const { return link; }

private:
    TSaveTile* record = nullptr;
    IDungActer* link = nullptr;
    std::uint8_t switchKind;
    std::uint8_t resetCount;
};
