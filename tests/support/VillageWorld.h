#pragma once

#include "activemap/Activemaptown.h"
#include "support/HeroWorld.h"
#include "support/MapPlayer.h"
#include "support/RecordingTalkView.h"
#include "village/Eventoperator.h"
#include "village/Peoplebase.h"
#include "village/Talkoperator.h"
#include "world/Dungfactory.h"

#include <memory>

// The village played as the game plays it: the test content as the game
// folder, its people and story, the real dungeon factory building the
// village, talks run by the real talk operator into a recording view, and the
// changes of area done as the dungeon operator does them. Leaving the
// village for the entrance screen only destroys the map; the scene changes
// are recorded.
class TVillageWorld final : public TMapPlayer {
public:
    TVillageWorld();
    ~TVillageWorld();

    // A new game's village: area 0 with her at the arrival place.
    TActiveMapTown& Enter();
    // None once she has left the village.
    TActiveMapTown* Map() const { return map.get(); }
    THero& Hero() const { return heroes.Hero(); }
    TPeople& Person(std::uint32_t number) const {
        return TPeopleBase::Instance().GetPerson(number);
    }
    // She stands on (x, y) facing `dir`, wherever she stood in this area.
    void Put(int x, int y, std::uint8_t dir);
    bool At(int x, int y) const;

    THeroWorld heroes;
    TRecordingTalkView talkView;

private:
    IActiveMap* PlayedMap() const override { return map.get(); }

    TScopedInstance<TPeopleBase> people{heroes.Factory()};
    TScopedInstance<TEventOperator> events;
    TScopedInstance<TTalkOperator> talks{talkView};
    std::unique_ptr<TDungFactory> factory;
    std::unique_ptr<TActiveMapTown> map;
};
