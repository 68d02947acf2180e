#pragma once

#include "actors/Fighter.h"
#include "actors/Floaracter.h"
#include "actors/Idungacter.h"
#include "support/FakeBody.h"
#include "world/Base3dutil.h"

#include <array>
#include <cstdint>
#include <memory>

// A fixture of any kind with its own record, a fixed answer to ActionFor and
// a fixed talk partner.
class TTestFixture : public IDungActer {
public:
    explicit TTestFixture(TActerKind fixtureKind, DA_Action fixedAnswer = dac_Attack,
                          std::unique_ptr<IActerBody> actorBody = nullptr);

    std::uint8_t* GetRecord() override { return record.data(); }
    std::uint8_t* GetIdentity() override { return record.data(); }
    DA_Action ActionFor(std::uint8_t) override { return answer; }
    TActerKind GetKind() const override { return kind; }
    void OperatedBy(IDungActer&) override { ++operated; }
    TTalkDepot* TalkPartnerFor(std::uint8_t dir) override {
        talkAskedFrom = dir;
        return talkPartner;
    }

    std::array<std::uint8_t, 12> record{};
    TActerKind kind;
    DA_Action answer;
    int operated = 0;
    TTalkDepot* talkPartner = nullptr;
    std::uint8_t talkAskedFrom = DW_None;
};

// A door or a treasure chest: open or closed, opened by the heroine.
class TTestOnOff final : public TTestFixture {
public:
    TTestOnOff(TActerKind onOffKind, bool isOpen, int key)
        : TTestFixture(onOffKind), open(isOpen), keyNumber(key) {}
    bool IsOpen() const override { return open; }
    int OpenByHeroine() override {
        open = true;
        return keyNumber;
    }

    bool open;
    int keyNumber;
};

class TTestFloar final : public TFloarActer {
public:
    explicit TTestFloar(TActerKind floarKind = TActerKind::FloarSwitch)
        : TFloarActer(nullptr), kind(floarKind) {}

    std::uint8_t* GetRecord() override { return record.data(); }
    std::uint8_t* GetIdentity() override { return record.data(); }
    TActerKind GetKind() const override { return kind; }
    void HeroArrived() override { ++heroArrivals; }
    int GetDestination(int, int&, int&) override { return 0; }
    bool MayHeroEnter() override { return heroMayEnter; }
    bool MayOthersEnter() override { return othersMayEnter; }

    std::array<std::uint8_t, 12> record{};
    TActerKind kind;
    int heroArrivals = 0;
    bool heroMayEnter = true;
    bool othersMayEnter = true;
};

// A heroine who only takes orders: she has the states the game window and
// the pointer reserve on her, and the talking state, and never acts on them.
class TTestHeroine final : public IDungActer {
public:
    TTestHeroine();

    std::uint8_t* GetRecord() override { return record.data(); }
    std::uint8_t* GetIdentity() override { return record.data(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_None; }
    TActerKind GetKind() const override { return TActerKind::Hero; }

    // The order last reserved on her, das_Null for none, and its direction.
    DA_State Order() const { return GetReserved() ? GetReserved()->GetId() : das_Null; }
    std::uint8_t OrderDirection() const { return GetReserved()->GetParam(); }
    // Forgets the order, so that the next one shows.
    void ClearOrder() { Reserve(nullptr); }

    std::array<std::uint8_t, 12> record{};
};

struct TFighterStatsInit {
    int hp = 5;
    int attack = 3;
    int defence = 3;
};

// A plain fighter with a 32-byte record and the fighter states; the kind
// decides whether floors see it as the heroine or as an enemy.
class TTestFighter final : public TFighter {
public:
    TTestFighter(TActerKind fighterKind, std::uint8_t dir, TFighterStatsInit stats = {},
                 int ticksPerMotion = 0);

    std::uint8_t* GetRecord() override { return record.data(); }
    std::uint8_t* GetIdentity() override { return record.data(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return kind; }
    bool MayEnterAnyFloor() const override { return kind == TActerKind::Hero; }
    bool IsKeeper() const override { return keeper; }

    TFakeBody& Body() const { return static_cast<TFakeBody&>(*GetBody()); }
    // Ticks until the state finishes; the number of ticks taken, or -1.
    int TickUntilFinished(int limit = 50);

    std::array<std::uint8_t, 32> record{};
    TActerKind kind;
    bool keeper = false;
};
