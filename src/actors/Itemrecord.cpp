#include "actors/Itemrecord.h"

std::uint8_t TakeCarryFlagFrom(TSaveItem& record) {
    const std::uint8_t flag = record.carryFlag;
    if (flag == CF_KeptIfAlive) {
        record.carryFlag = CF_Permanent;
    }
    return flag;
}

bool WearRecord(TSaveItem& record) {
    if (record.maxDurability == 0 || record.durability == 0) {
        return false;
    }
    --record.durability;
    return record.durability == 0;
}

void RepairRecord(TSaveItem& record) {
    record.durability = record.maxDurability;
}

void AddSynthesisTo(TSaveItem& record) {
    // The bytes stop at their top: wrapping would make a worn sword unbreakable.
    if (record.synthesis < UINT8_MAX) {
        ++record.synthesis;
    }
    if (record.maxDurability < UINT8_MAX) {
        ++record.maxDurability;
    }
    record.durability = record.maxDurability;
}
