#include "save/Savedungeon.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

TSaveFloar& TSaveDungeon::Floar(int floarNumber) {
    if (floarNumber < 1 || static_cast<size_t>(floarNumber) > floars.size()) {
        throw TGameError(Sjis("ダンジョン ") + std::to_string(number) + Sjis(" のセーブにフロア ") +
                         std::to_string(floarNumber) + Sjis(" はありません"));
    }
    return floars[static_cast<size_t>(floarNumber - 1)];
}

TSaveHero NewDungeonHero(const TStageData& stage) {
    TSaveHero hero;
    hero.floar = stage.startFloar;
    PlaceRecord(hero, stage.startX, stage.startY, DW_North);
    hero.hp = hero.maxHp = HeroStartHP;
    hero.attack = HeroStartAttack;
    hero.defence = HeroStartDefence;
    hero.baseLevel = hero.level = HeroStartLevel;
    hero.next = HeroLevelStep;
    return hero;
}

TSaveDungeon& NewDungeonSave(std::uint8_t number, const TStageData& stage) {
    stage.Floar(stage.startFloar);
    TSaveDungeon save;
    save.number = number;
    save.hero = NewDungeonHero(stage);
    for (size_t i = 0; i < stage.floars.size(); ++i) {
        const auto floarNumber = static_cast<std::uint8_t>(i + 1);
        save.floars.push_back(NewFloarSave(floarNumber, stage.floars[i]));
    }
    return TSaveDungeon::CreateInstance(std::move(save));
}

TSaveDungeon ReadDungeonSave(TDataReader& reader) {
    TSaveDungeon save;
    save.number = reader.ReadU8(Sjis("ダンジョン番号"));
    save.hero = ReadSaveRecord<TSaveHero>(reader, Sjis("主人公"));
    const size_t floarCount = reader.ReadU8(Sjis("フロア数"));
    reader.RequireRecords(floarCount, FloarSaveCountsSize, Sjis("フロア"));
    for (size_t i = 0; i < floarCount; ++i) {
        const auto floarNumber = static_cast<std::uint8_t>(i + 1);
        reader.SetContext(Sjis("フロア ") + std::to_string(floarNumber));
        save.floars.push_back(ReadFloarSave(reader, floarNumber));
    }
    reader.SetContext({});
    if (save.hero.floar < 1 || save.hero.floar > floarCount) {
        reader.FailContent(Sjis("主人公のいるフロア ") + std::to_string(save.hero.floar) +
                           Sjis(" がセーブにありません"));
    }
    return save;
}

void WriteDungeonSave(TDataWriter& writer, const TSaveDungeon& save) {
    writer.WriteU8(save.number);
    writer.WriteBytes(&save.hero, sizeof save.hero);
    writer.WriteCountU8(save.floars.size(), Sjis("フロア"));
    for (const TSaveFloar& floar : save.floars) {
        WriteFloarSave(writer, floar);
    }
}

TSaveDungeon& LoadDungeonSave(TDataReader& reader) {
    return TSaveDungeon::CreateInstance(ReadDungeonSave(reader));
}

void WriteDungeonSave(TDataWriter& writer) {
    WriteDungeonSave(writer, CurrentDungeonSave());
}

TSaveDungeon& CurrentDungeonSave() {
    return TSaveDungeon::Instance();
}

TSaveFloar& CurrentFloorSave() {
    return CurrentDungeonSave().Floar(CurrentFloorNumber());
}

int CurrentFloorNumber() {
    return CurrentDungeonSave().hero.floar;
}
