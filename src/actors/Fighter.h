#pragma once

#include "actors/Idungacter.h"

#include <cstdint>
#include <string>

// Statistics of a fighter's record: four u16 from byte 10.
constexpr int FighterStatsOffset = 10;
constexpr int StatHP = 0;
constexpr int StatAttack = 2;
constexpr int StatDefence = 4;
constexpr int StatMaxHP = 6;

// Everything that walks, turns and fights on the grid. A hit either gets
// through the defence and takes one hit point, or it is stopped.
class TFighter : public IDungActer {
public:
    using IDungActer::IDungActer;

    // The combat rule.
    bool AttackedBy(TFighter& attacker) override;
    TFighter* AsFighter() override { return this; }

    virtual void SetWalkMotion() { SetMotion(0); }
    virtual void SetAttackMotion() { SetMotion(1); }
    virtual void SetDamagedMotion() { SetMotion(2); }
    virtual void SetDyingMotion() { SetMotion(3); }
    virtual void SetGuardMotion() { SetMotion(4); }
    // HP = max(HP - n, 0).
    virtual void TakeDamage(int n);
    // The four statistics in the record.
    virtual std::uint8_t* GetStats();
    virtual int GetHP();
    virtual int GetMaxHP();
    virtual int GetAttack();
    virtual int GetDefence();
    // Off the status view and off its block. The fighter stays alive for
    // whoever holds it, which destroys it where no walk over its list runs.
    virtual void Die();
    // Only the heroine walks onto floors that refuse the others.
    virtual bool MayEnterAnyFloor() const { return false; }
    virtual std::string GetName() const { return {}; }

    void PlaceFighter(TDungBlock* onBlock);
    TDungBlock* GetDestination() const override { return destination; }
    void SetDestination(TDungBlock* toBlock) { destination = toBlock; }

    // The states every fighter kind supports.
    static const TDAStateSet& FighterStates();

private:
    int Stat(int offset);

    TDungBlock* destination = nullptr;
};
