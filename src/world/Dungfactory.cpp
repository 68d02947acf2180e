#include "world/Dungfactory.h"

#include "activemap/Activemapdung.h"
#include "activemap/Activemapproxy.h"
#include "activemap/Activemaptown.h"
#include "activemap/Outfieldbuilder.h"
#include "actors/Dungactfactory.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "save/Savetown.h"
#include "village/Eventoperator.h"
#include "village/People.h"
#include "village/Peoplebase.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"
#include "world/Dungwall.h"
#include "world/Floarplacer.h"
#include "world/Gridbuilder.h"
#include "world/Wallobjefactory.h"

namespace {

// The wall piece that closes the square of a big village object.
constexpr std::int32_t BigObjeClosingWallId = 1;

// A remake needs the map it remakes.
template <typename TMap> TMap& MapToRemake() {
    if (!TMap::Instance()) {
        throw TBareText{Sjis("リメイクエラー")};
    }
    return *TMap::Instance();
}

// A new area's save knows where she arrives but not her level: what she is
// goes with her from the area she left.
void CarryHeroValues(const TSaveHero& from, TSaveHero& to) {
    to.hp = from.hp;
    to.attack = from.attack;
    to.defence = from.defence;
    to.maxHp = from.maxHp;
    to.baseLevel = from.baseLevel;
    to.next = from.next;
    to.level = from.level;
}

std::string Number(std::size_t value) {
    return std::to_string(value);
}

} // namespace

std::uint8_t VillageArrivalDirection(std::uint8_t facing) {
    switch (facing) {
    case DW_NorthEast:
    case DW_NorthWest:
        return DW_North;
    case DW_SouthEast:
    case DW_SouthWest:
        return DW_South;
    default:
        return facing;
    }
}

TDungFactory::TDungFactory(THerosBase& heroHolder, const IActerBodySource& sceneryBodies)
    : heroes(heroHolder), bodies(sceneryBodies), actors(TDungActFactory::Instance()),
      stages(LoadDungeonData()), areas(LoadTownData()) {}

TDungFactory::~TDungFactory() = default;

const TStageData& TDungFactory::Stage(int stage) const {
    if (stage < 0 || static_cast<std::size_t>(stage) >= stages.size()) {
        throw TGameError(std::string(DungDataFile) + Sjis(" にステージ ") + Number(stage + 1) +
                         Sjis(" はありません (") + Number(stages.size()) + Sjis(" ステージです)"));
    }
    return stages[static_cast<std::size_t>(stage)];
}

const TFieldData& TDungFactory::Area(int area) const {
    if (area < 0 || static_cast<std::size_t>(area) >= areas.size()) {
        throw TGameError(std::string(TownDataFile) + Sjis(" に村のエリア ") + Number(area) +
                         Sjis(" はありません (") + Number(areas.size()) + Sjis(" エリアです)"));
    }
    return areas[static_cast<std::size_t>(area)];
}

std::unique_ptr<TActiveMapDung> TDungFactory::BuildStage(int stage, bool fromSave) {
    if (!fromSave) {
        NewDungeonSave(static_cast<std::uint8_t>(stage), Stage(stage));
    }
    const TStageData& data = Stage(CurrentDungeonSave().number);
    auto map = BuildFloar(data.Floar(CurrentFloorNumber()), true);
    map->SetName(data.name);
    return map;
}

TActiveMapDung& TDungFactory::RebuildFloar() {
    MapToRemake<TActiveMapDung>();
    const TStageData& data = Stage(CurrentDungeonSave().number);
    BuildFloar(data.Floar(CurrentFloorNumber()), false);
    return MapToRemake<TActiveMapDung>();
}

std::unique_ptr<TActiveMapDung> TDungFactory::BuildFloar(const TFloarData& floar, bool newMap) {
    TSaveDungeon& dungeon = CurrentDungeonSave();
    const int floarNumber = CurrentFloorNumber();
    TSaveFloar& save = CurrentFloorSave();
    const std::string floarName = std::string(DungDataFile) + Sjis(" ステージ ") +
                                  Number(dungeon.number + 1u) + Sjis(" フロア ") +
                                  Number(static_cast<std::size_t>(floarNumber));
    const std::string saveName =
        Sjis("ダンジョンのセーブ フロア ") + Number(static_cast<std::size_t>(floarNumber));
    THero& hero = heroes.GetHero();

    TFloarPlacer placer(floar, save, actors, floarName, saveName);
    placer.BuildGrid();
    placer.PlaceHero(hero, dungeon.hero);
    placer.PlaceEnemies();
    placer.PlaceObjects();
    placer.PlaceItems();
    placer.PlaceFloarActers();
    placer.PlaceFairies();
    placer.PlaceChests(hero);

    std::unique_ptr<TActiveMapDung> made;
    if (newMap) {
        made = std::make_unique<TActiveMapDung>(hero, floarNumber, placer.TakeParts(), save);
    } else {
        MapToRemake<TActiveMapDung>().Rebuild(floarNumber, placer.TakeParts(), save);
    }
    TActiveMapDung& map = made ? *made : MapToRemake<TActiveMapDung>();
    TActiveMapProxy::Instance().SetMap(&map);
    for (IDungActer* timedSwitch : placer.PressedTimedSwitches()) {
        map.AddTimedSwitch(*timedSwitch);
    }
    for (const auto& room : map.GetRooms()) {
        room->FinishRoom();
    }
    BuildOutFields(map, bodies, floar.width, floar.height);
    return made;
}

void TDungFactory::NewVillageSave(int area, int x, int y, std::uint8_t direction) {
    TSaveTown& save = NewTownSave(static_cast<std::uint8_t>(area), Area(area),
                                  TEventOperator::Instance().CurrentEvent());
    PlaceRecord(save.hero, x, y, direction);
}

std::unique_ptr<TActiveMapTown> TDungFactory::BuildVillage(bool fromSave) {
    if (!fromSave) {
        NewVillageSave(0, VillageArrivalX, VillageArrivalY, DW_South);
    }
    return BuildField(CurrentTownSave().area, true);
}

TActiveMapTown& TDungFactory::RebuildVillageArea() {
    // Checked before her village save is replaced, so a failure loses nothing.
    MapToRemake<TActiveMapTown>();
    // A copy: the save that holds her record is replaced.
    const TSaveHero leaving = CurrentTownSave().hero;
    // Her exit wrote the target area plus one into her record.
    const int target = leaving.floar - 1;
    NewVillageSave(target, leaving.x, leaving.y, VillageArrivalDirection(leaving.direction));
    CarryHeroValues(leaving, CurrentTownSave().hero);
    BuildField(target, false);
    return MapToRemake<TActiveMapTown>();
}

std::unique_ptr<TActiveMapTown> TDungFactory::ReturnToVillage() {
    TSaveDungeon::ReleaseInstance();
    NewVillageSave(0, VillageArrivalX, VillageArrivalY, DW_South);
    return BuildField(0, true);
}

std::unique_ptr<TActiveMapTown> TDungFactory::BuildField(int area, bool newMap) {
    const TFieldData& field = Area(area);
    TSaveTown& save = CurrentTownSave();
    const std::string areaName =
        std::string(TownDataFile) + Sjis(" 村のエリア ") + Number(static_cast<std::size_t>(area));
    const std::string saveName = Sjis("村のセーブ");
    TVillageAreaParts parts;
    for (std::size_t y = 0; y < field.grid.size(); ++y) {
        for (std::size_t x = 0; x < field.grid[y].size(); ++x) {
            const TTownBlockFile& record = field.grid[y][x];
            parts.blocks.Append(static_cast<int>(y),
                                NewBlock(static_cast<int>(x), static_cast<int>(y), record.wallObje,
                                         record.floarTile));
        }
    }

    THero& hero = heroes.GetHero();
    TDungBlock& heroBlock = parts.blocks.At(save.hero.x, save.hero.y, saveName + Sjis(": 主人公"));
    heroBlock.SetGuest(&hero);
    hero.PlaceHero(&heroBlock, save.hero);

    std::size_t index = 0;
    for (TSaveAct& record : save.people) {
        TDungBlock& block = parts.blocks.At(
            record.x, record.y, saveName + ": " + Number(++index) + Sjis(" 番目の人物"));
        TPeople& person = TPeopleBase::Instance().GetPerson(record.subValue);
        block.SetGuest(&person);
        person.PlacePerson(&block, record);
        parts.people.push_back(&person);
    }

    for (std::size_t i = 0; i < field.floarActers.size(); ++i) {
        const TBlockFloar& record = field.floarActers[i];
        PlaceFloarFixture(
            actors,
            parts.blocks.At(record.x, record.y,
                            areaName + ": " + Number(i + 1) + Sjis(" 番目の床アクター")),
            record);
    }

    for (std::size_t i = 0; i < field.objects.size(); ++i) {
        const TBlockObje& record = field.objects[i];
        if (record.kind != BO_BigObje) {
            continue;
        }
        TDungBlock& block = parts.blocks.At(record.x, record.y,
                                            areaName + ": " + Number(i + 1) + Sjis(" 番目の物体"));
        std::unique_ptr<IDungActer> big = TWallObjeFactory::Instance().NewBigObject(record.subKind);
        big->PlaceOn(&block);
        parts.placed.push_back(std::move(big));
        // Only its own square is closed, however far its body reaches.
        block.SetWallObje(TWallObjeFactory::Instance().NewWallPiece(BigObjeClosingWallId));
    }

    std::unique_ptr<TActiveMapTown> made;
    if (newMap) {
        made = std::make_unique<TActiveMapTown>(hero, area, std::move(parts));
    } else {
        MapToRemake<TActiveMapTown>().Rebuild(area, std::move(parts));
    }
    TActiveMapTown& map = made ? *made : MapToRemake<TActiveMapTown>();
    TActiveMapProxy::Instance().SetMap(&map);
    BuildOutFields(map, bodies, field.width, field.height);
    return made;
}
