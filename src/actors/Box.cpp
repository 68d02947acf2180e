#include "actors/Box.h"

#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "world/Base3dutil.h"

TBox::TBox(std::unique_ptr<IActerBody> boxBody, int key)
    : TOnOffObje(std::move(boxBody)), keyNumber(key) {}

DA_Action TBox::ActionFor(std::uint8_t dir) {
    if (IsDiagonalWay(dir) || IsOpen()) {
        return dac_Attack;
    }
    return keyNumber > HighestKeyNumber || HeroineHasKey(keyNumber) ? dac_OpenBox : dac_Attack;
}

void TBox::PlaceBox(TDungBlock* onBlock, TSaveBox& boxRecord, std::unique_ptr<IItemImp> treasure) {
    record = &boxRecord;
    content = std::move(treasure);
    PlaceOnOff(onBlock, RecordBytes(boxRecord));
}

int TBox::OpenByHeroine() {
    if (!IsOpen()) {
        SetOn(true);
        if (content) {
            THerosBase::Instance().GetHero().ReceiveTreasure(
                std::move(content), {record->eventNo, record->eventPosition});
        }
    }
    return keyNumber;
}
