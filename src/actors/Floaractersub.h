#pragma once

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

// A floor actor placed from its floor record, keeping a record of its own.
class TRecordedFloar : public TFloarActer {
public:
    using TFloarActer::TFloarActer;

    std::uint8_t* GetRecord() override { return RecordBytes(record); }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    void HeroArrived() override {}

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
    // The floor it leads to from `floor` (< 0: out of the dungeon), and the
    // block she arrives on.
    int GetDestination(int floor, int& x, int& y) override;
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
// level value + 1 on, values 7 to 12 up to level value - 5.
class TFloarLevel final : public TRecordedFloar {
public:
    TFloarLevel(std::unique_ptr<IActerBody> levelBody, std::uint8_t levelValue);

    TActerKind GetKind() const override { return TActerKind::FloarLevel; }
    bool MayHeroEnter() override;
    // The rule for a heroine of level `level`.
    bool Admits(int level) const;

private:
    std::uint8_t value;
};

// Sets the heroine's level when she arrives.
class TFloarForcedLV final : public TRecordedFloar {
public:
    TFloarForcedLV(std::unique_ptr<IActerBody> forcedBody, int forcedLevel);

    TActerKind GetKind() const override { return TActerKind::FloarForcedLV; }
    // The level it sets.
    int GetDestination(int, int&, int&) override { return level; }

private:
    int level;
};

// Switch kinds: pops up again after some turns, or stays down.
inline constexpr std::uint8_t TimedFloarSwitch = 1;
inline constexpr std::uint8_t PermanentFloarSwitch = 2;

// A switch pressed by the heroine's weight, linked to one door. Its save
// record keeps whether it is down and the turns left before it pops up.
class TFloarSwitch final : public TFloarActer {
public:
    TFloarSwitch(std::unique_ptr<IActerBody> switchBody, std::uint8_t kind, std::uint8_t reset);

    std::uint8_t* GetRecord() override { return record ? RecordBytes(*record) : nullptr; }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return TActerKind::FloarSwitch; }
    void HeroArrived() override {}
    // One linked object; a second is an error.
    void Link(IDungActer& other) override;

    void PlaceSwitch(TDungBlock* onBlock, TSaveTile& tileRecord);

    std::uint8_t GetSwitchKind() const { return switchKind; }
    std::uint8_t GetResetCount() const { return resetCount; }
    IDungActer* GetLink() const { return link; }

private:
    TSaveTile* record = nullptr;
    IDungActer* link = nullptr;
    std::uint8_t switchKind;
    std::uint8_t resetCount;
};
