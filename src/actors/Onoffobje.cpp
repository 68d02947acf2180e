#include "actors/Onoffobje.h"

#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"

TOnOffObje::TOnOffObje(std::unique_ptr<IActerBody> objeBody, const TDAStateSet& kindStates)
    : IDungActer(std::move(objeBody)) {
    CreateStates(kindStates, [this](DA_State id) {
        return std::make_unique<Tdast_Switching>(id, *this, *this, OnOffSwitchSteps);
    });
}

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
    Rest();
}

void TOnOffObje::Toggle() {
    SetState(StateOf(on ? das_TurnOff : das_TurnOn));
}

void TOnOffObje::SetOn(bool value) {
    on = value;
    record[OnOffStateOffset] = value ? 1 : 0;
}

void TOnOffObje::Rest() {
    SetState(StateOf(das_Standby));
}

bool HeroineHasKey(int keyNumber) {
    return keyNumber >= 1 && keyNumber <= UINT8_MAX &&
           THerosBase::Instance().GetHero().HasKey(static_cast<std::uint8_t>(keyNumber));
}
