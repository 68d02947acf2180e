#pragma once

#include "actors/Fighter.h"
#include "save/Saverecords.h"
#include "village/Talk.h"

#include <cstdint>
#include <memory>

// A village person: stands where the story places it, turns to whoever
// speaks to it and answers with its current talk. It cannot be hurt.
class TPeople final : public TFighter {
public:
    TPeople(std::unique_ptr<IActerBody> personBody, std::unique_ptr<TTalkDepot> personTalks);

    std::uint8_t* GetRecord() override { return record ? RecordBytes(*record) : nullptr; }
    std::uint8_t* GetIdentity() override { return GetRecord(); }
    DA_Action ActionFor(std::uint8_t) override { return dac_Talk; }
    TActerKind GetKind() const override { return TActerKind::People; }
    // Faces the talker at once and hands over its talks.
    TTalkDepot* TalkPartnerFor(std::uint8_t dir) override;
    void TakeDamage(int) override {}
    // A person has no fighting values; asking for them is a program error.
    std::uint8_t* GetStats() override;

    void PlacePerson(TDungBlock* onBlock, TSaveAct& personRecord);
    TTalkDepot& Talks() const { return *talks; }

private:
    std::unique_ptr<TTalkDepot> talks;
    TSaveAct* record = nullptr;
};
