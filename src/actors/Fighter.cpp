#include "actors/Fighter.h"

#include "actors/Acterrecord.h"
#include "actors/Fighterstatus.h"
#include "world/Dungblock.h"

#include <algorithm>

bool TFighter::AttackedBy(TFighter& attacker) {
    if (attacker.GetAttack() > GetDefence()) {
        SetState(StateOf(das_Damaged));
        TakeDamage(1);
        IFighterStatus::Instance().UpdateHP(*this);
    } else {
        SetState(StateOf(das_Guard));
    }
    return false;
}

void TFighter::TakeDamage(int n) {
    const int left = std::max(GetHP() - n, 0);
    WriteRecordU16(GetStats(), StatHP, static_cast<std::uint16_t>(left));
}

std::uint8_t* TFighter::GetStats() {
    return GetRecord() + FighterStatsOffset;
}

int TFighter::Stat(int offset) {
    return ReadRecordU16(GetStats(), offset);
}

int TFighter::GetHP() {
    return Stat(StatHP);
}
int TFighter::GetMaxHP() {
    return Stat(StatMaxHP);
}
int TFighter::GetAttack() {
    return Stat(StatAttack);
}
int TFighter::GetDefence() {
    return Stat(StatDefence);
}

void TFighter::Die() {
    IFighterStatus::Instance().Forget(*this);
    LeaveFloor();
}

void TFighter::PlaceFighter(TDungBlock* onBlock) {
    PlaceOn(onBlock);
    const auto [worldX, worldZ] = onBlock->GetWorldPos();
    Move(worldX, 0.0f, worldZ);
    destination = nullptr;
}

const TDAStateSet& TFighter::FighterStates() {
    static const TDAStateSet states = {das_Standby, das_Wait,   das_MoveOrder, das_Turn,
                                       das_Walk,    das_Attack, das_Damaged,   das_Dying,
                                       das_Guard,   das_Dash};
    return states;
}
