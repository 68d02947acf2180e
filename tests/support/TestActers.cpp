#include "support/TestActers.h"

#include "actors/Acterrecord.h"
#include "actors/Dastfighter.h"

TTestFixture::TTestFixture(TActerKind fixtureKind, DA_Action fixedAnswer,
                           std::unique_ptr<IActerBody> actorBody)
    : IDungActer(std::move(actorBody)), kind(fixtureKind), answer(fixedAnswer) {
    record[RecordDirectionOffset] = 2;
}

namespace {

class TOrderState final : public IDA_State {
public:
    TOrderState(DA_State stateId, IDungActer& actor) : IDA_State(stateId), owner(actor) {}
    IDungActer* GetOwner() const override { return &owner; }

private:
    IDungActer& owner;
};

} // namespace

TTestHeroine::TTestHeroine() : IDungActer(std::make_unique<TFakeBody>()) {
    CreateStates({das_Wait, das_MoveOrder, das_Dash, das_ActOrder, das_Talk},
                 [this](DA_State id) { return std::make_unique<TOrderState>(id, *this); });
    SetState(StateOf(das_Wait));
}

TTestFighter::TTestFighter(TActerKind fighterKind, std::uint8_t dir, TFighterStatsInit stats,
                           int ticksPerMotion)
    : TFighter(std::make_unique<TFakeBody>(ticksPerMotion)), kind(fighterKind) {
    record[RecordDirectionOffset] = dir;
    std::uint8_t* values = record.data() + FighterStatsOffset;
    WriteRecordU16(values, StatHP, static_cast<std::uint16_t>(stats.hp));
    WriteRecordU16(values, StatAttack, static_cast<std::uint16_t>(stats.attack));
    WriteRecordU16(values, StatDefence, static_cast<std::uint16_t>(stats.defence));
    WriteRecordU16(values, StatMaxHP, static_cast<std::uint16_t>(stats.hp));
    CreateStates(FighterStates(),
                 [this](DA_State id) { return std::make_unique<Tdast_Fighter>(id, *this); });
}

int TTestFighter::TickUntilFinished(int limit) {
    for (int ticks = 1; ticks <= limit; ++ticks) {
        if (Tick()) {
            return ticks;
        }
    }
    return -1;
}
