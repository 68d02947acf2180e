#include "actors/Box.h"

#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "world/Base3dutil.h"
#include "world/Iautomapping.h"

#include <cstddef>

namespace {

// A chest only opens.
const TDAStateSet& ChestStates() {
    static const TDAStateSet states = {das_Standby, das_TurnOn};
    return states;
}

} // namespace

TBox::TBox(std::unique_ptr<IActerBody> boxBody, int key)
    : TOnOffObje(std::move(boxBody), ChestStates()), keyNumber(key) {}

DA_Action TBox::ActionFor(std::uint8_t dir) {
    if (IsDiagonalWay(dir) || IsOpen()) {
        return dac_Attack;
    }
    return keyNumber > HighestKeyNumber || HeroineHasKey(keyNumber) ? dac_OpenBox : dac_Attack;
}

void TBox::PlaceBox(TDungBlock* onBlock, TSaveBox& boxRecord, std::unique_ptr<IItemImp> treasure) {
    content = std::move(treasure);
    PlaceOnOff(onBlock, RecordBytes(boxRecord));
}

int TBox::OpenByHeroine() {
    SetState(StateOf(das_TurnOn));
    return keyNumber;
}

bool TBox::SwitchEnded(bool turnedOn) {
    SetOn(turnedOn);
    if (content) {
        const std::uint8_t* boxRecord = GetRecord();
        const TTreasurePair mark{boxRecord[offsetof(TSaveBox, eventNo)],
                                 boxRecord[offsetof(TSaveBox, eventPosition)]};
        THerosBase::Instance().GetHero().ReceiveTreasure(std::move(content), mark);
    }
    Rest();
    IAutoMapping::Instance().RedrawBlock(*GetBlock());
    return true;
}
