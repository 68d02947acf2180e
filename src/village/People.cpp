#include "village/People.h"

#include "actors/Dastfighter.h"
#include "world/Base3dutil.h"

#include <stdexcept>

TPeople::TPeople(std::unique_ptr<IActerBody> personBody, std::unique_ptr<TTalkDepot> personTalks)
    : TFighter(std::move(personBody)), talks(std::move(personTalks)) {
    if (!talks) {
        throw std::logic_error("a person without talks");
    }
    CreateStates(FighterStates(),
                 [this](DA_State id) { return std::make_unique<Tdast_Fighter>(id, *this); });
}

TTalkDepot* TPeople::TalkPartnerFor(std::uint8_t dir) {
    TurnTo(ReverseWay(dir));
    return talks.get();
}

std::uint8_t* TPeople::GetStats() {
    throw std::logic_error("a person was asked for fighting values");
}

void TPeople::PlacePerson(TDungBlock* onBlock, TSaveAct& personRecord) {
    record = &personRecord;
    PlaceFighter(onBlock);
    SetState(StateOf(das_Standby));
    Reserve(StateOf(das_Standby));
}
