#include "actors/Onoffobje.h"

#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"

void TOnOffObje::Link(IDungActer& other) {
    if (link) {
        throw TGameError(Sjis("連動する物体二重セットエラー"));
    }
    link = &other;
}

void TOnOffObje::PlaceOnOff(TDungBlock* onBlock, std::uint8_t* onOffRecord) {
    record = onOffRecord;
    PlaceOn(onBlock);
    on = record[OnOffStateOffset] != 0;
    if (on && GetBody()) {
        GetBody()->RunMotionToEnd(0);
    }
}

void TOnOffObje::SetOn(bool value) {
    on = value;
    record[OnOffStateOffset] = value ? 1 : 0;
}

bool HeroineHasKey(int keyNumber) {
    return keyNumber >= 1 && keyNumber <= UINT8_MAX &&
           THerosBase::Instance().GetHero().HasKey(static_cast<std::uint8_t>(keyNumber));
}
