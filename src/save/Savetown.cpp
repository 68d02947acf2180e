#include "save/Savetown.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/Eventdata.h"
#include "world/Base3dutil.h"
#include "world/DataFile.h"
#include "world/Towndata.h"

namespace {

// Where the heroine stands until the area is built and places her.
constexpr int VillageHeroX = 10;
constexpr int VillageHeroY = 10;

TSaveHero NewVillageHero(std::uint8_t area) {
    TSaveHero hero;
    hero.floar = area;
    PlaceRecord(hero, VillageHeroX, VillageHeroY, DW_North);
    hero.hp = hero.maxHp = HeroStartHP;
    hero.attack = HeroStartAttack;
    hero.defence = HeroStartDefence;
    return hero;
}

TSaveAct NewPersonRecord(std::uint8_t personNo, int x, int y, std::uint8_t direction) {
    TSaveAct person;
    person.kind = BO_Person;
    person.subValue = personNo;
    PlaceRecord(person, x, y, direction);
    return person;
}

} // namespace

TSaveTown& NewTownSave(std::uint8_t area, const TFieldData& areaData, const TEvent& storyStage) {
    TSaveTown save;
    save.area = area;
    save.hero = NewVillageHero(area);
    for (const TBlockObje& object : areaData.objects) {
        if (object.kind == BO_Person && object.subKind != 0) {
            save.people.push_back(
                NewPersonRecord(object.subKind, static_cast<std::int16_t>(object.x),
                                static_cast<std::int16_t>(object.y), object.direction));
        }
    }
    for (const TEvent::placement& placement : storyStage.placements) {
        if (placement.areaNoPlusOne == area + 1) {
            save.people.push_back(
                NewPersonRecord(placement.personNo, placement.x, placement.y, placement.direction));
        }
    }
    if (save.people.size() > MaxAreaPeople) {
        throw TGameError(Sjis("村のエリア ") + std::to_string(area) +
                         Sjis(" の人物が多すぎて保存できません (") + std::to_string(MaxAreaPeople) +
                         Sjis(" まで)"));
    }
    return TSaveTown::CreateInstance(std::move(save));
}

TSaveTown ReadTownSave(TDataReader& reader) {
    TSaveTown save;
    save.area = reader.ReadU8(Sjis("エリア番号"));
    save.hero = ReadSaveRecord<TSaveHero>(reader, Sjis("主人公"));
    const size_t peopleCount = reader.ReadU8(Sjis("人物の数"));
    save.people = ReadSaveList<TSaveAct>(reader, peopleCount, Sjis("人物"),
                                         [](const TSaveAct& act) { return act.kind == BO_Person; });
    return save;
}

void WriteTownSave(TDataWriter& writer, const TSaveTown& save) {
    writer.WriteU8(save.area);
    writer.WriteBytes(&save.hero, sizeof save.hero);
    writer.WriteCountU8(save.people.size(), Sjis("人物"));
    WriteSaveList(writer, save.people);
}

TSaveTown& LoadTownSave(TDataReader& reader) {
    return TSaveTown::CreateInstance(ReadTownSave(reader));
}

void WriteTownSave(TDataWriter& writer) {
    WriteTownSave(writer, CurrentTownSave());
}

TSaveTown& CurrentTownSave() {
    return TSaveTown::Instance();
}
