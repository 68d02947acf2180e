#include "support/VillageWorld.h"

#include "save/Savetown.h"
#include "world/Dungblock.h"

TVillageWorld::TVillageWorld() {
    events->LoadEvents();
    // What the dungeon operator does when the village asks.
    heroes.scenes.changeVillageArea = [this] { factory->RebuildVillageArea(); };
    heroes.scenes.showEntrance = [this] { map.reset(); };
    heroes.links.startTalk = [](TTalkDepot& depot) { TTalkOperator::Instance().StartTalk(depot); };
}

TVillageWorld::~TVillageWorld() {
    map.reset();
    factory.reset();
    TSaveTown::ReleaseInstance();
}

TActiveMapTown& TVillageWorld::Enter() {
    map.reset();
    factory = std::make_unique<TDungFactory>(THerosBase::Instance(), heroes.Factory().Bodies());
    map = factory->BuildVillage(false);
    return *map;
}

void TVillageWorld::Put(int x, int y, std::uint8_t dir) {
    TDungBlock& to = *map->BlockAt(x, y);
    Hero().GetBlock()->ClearGuest();
    to.SetGuest(&Hero());
    TSaveHero& record = Hero().Record();
    PlaceRecord(record, x, y, dir);
    Hero().PlaceHero(&to, record);
}

bool TVillageWorld::At(int x, int y) const {
    return Hero().GetBlock() == map->BlockAt(x, y);
}
