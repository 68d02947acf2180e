#pragma once

#include "actors/Idungacter.h"
#include "save/Saverecords.h"

#include <cstdint>

// The fairy, in her block's fairy place. She never acts; the heroine meets
// her by stepping onto her block and is healed.
class TAngel final : public IDungActer {
public:
    using IDungActer::IDungActer;

    std::uint8_t* GetRecord() override { return record ? RecordBytes(*record) : nullptr; }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_None; }
    TActerKind GetKind() const override { return TActerKind::Angel; }

    // Her record is the entry of the floor's fairy list, which drops it when
    // she is met.
    void PlaceFairy(TDungBlock* onBlock, TSaveAct& fairyRecord);

private:
    TSaveAct* record = nullptr;
};
