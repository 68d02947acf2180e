#include "world/Floarplacer.h"

#include "actors/Angel.h"
#include "actors/Box.h"
#include "actors/Dungactfactory.h"
#include "actors/Enemy.h"
#include "actors/Enemyfactory.h"
#include "actors/Floaractersub.h"
#include "actors/Hero.h"
#include "actors/Itemacter.h"
#include "actors/Onoffobjesub.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "save/Savefloar.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"
#include "world/Floarlinks.h"
#include "world/Gridbuilder.h"
#include "world/Mapdata.h"

#include <iterator>

namespace {

template <typename TRecord>
TRecord& NthRecord(TSaveList<TRecord>& records, std::size_t n, const std::string& sjisWho) {
    if (n >= records.size()) {
        throw TGameError(sjisWho + Sjis("の記録がありません (") + std::to_string(records.size()) +
                         Sjis(" 件しかありません)"));
    }
    return *std::next(records.begin(), static_cast<std::ptrdiff_t>(n));
}

// What a closed chest holds: an item she keeps if she leaves alive.
TSaveItem ChestContentRecord(const TSaveBox& chest) {
    TSaveItem item;
    item.kind = chest.contentKind;
    item.id = static_cast<std::uint8_t>(chest.contentId);
    item.maxDurability = chest.contentMaxDurability;
    item.durability = chest.contentDurability;
    item.carryFlag = CF_KeptIfAlive;
    return item;
}

std::unique_ptr<TOnOffObje> NewOnOffObje(TDungActFactory& actors, const TBlockObje& record) {
    if (!MakesOnOffObje(record)) {
        return nullptr;
    }
    if (record.kind == BO_WallSwitch) {
        return actors.NewWallSwitch();
    }
    if (record.subKind == DoorBySwitchSubKind) {
        return actors.NewSwitchDoor();
    }
    // Sub-kinds 3 to 6 need keys 1 to 4; 7 has no lock.
    constexpr std::uint8_t FirstLockedSubKind = 3;
    return actors.NewDoor(
        record.subKind == DoorByHandSubKind ? 0 : record.subKind - FirstLockedSubKind + 1);
}

} // namespace

TFloarPlacer::TFloarPlacer(const TFloarData& floarData, TSaveFloar& floarSave,
                           TDungActFactory& actorFactory, std::string sjisFloarName,
                           std::string sjisSaveName)
    : floar(floarData), save(floarSave), actors(actorFactory), floarName(std::move(sjisFloarName)),
      saveName(std::move(sjisSaveName)), links(FloarLinks(floarData)) {}

std::string TFloarPlacer::DataRecordName(const char* sjisList, std::size_t index) const {
    return floarName + ": " + std::to_string(index + 1) + Sjis(" 番目の") + Sjis(sjisList);
}

std::string TFloarPlacer::SaveRecordName(const char* sjisList, std::size_t index) const {
    return saveName + ": " + std::to_string(index + 1) + Sjis(" 番目の") + Sjis(sjisList);
}

TDungBlock& TFloarPlacer::BlockOf(int x, int y, const std::string& sjisWho) const {
    return parts.blocks.At(x, y, sjisWho);
}

void TFloarPlacer::BuildGrid() {
    for (std::size_t y = 0; y < floar.grid.size(); ++y) {
        const auto& row = floar.grid[y];
        for (std::size_t x = 0; x < row.size(); ++x) {
            const TBlockFile& record = row[x];
            TDungBlock& block = parts.blocks.Append(
                static_cast<int>(y), NewBlock(static_cast<int>(x), static_cast<int>(y),
                                              record.wallObje, record.floarTile));
            if (record.room != 0) {
                AddToRoom(parts.rooms, record.room, block);
            }
        }
    }
}

void TFloarPlacer::PlaceHero(THero& hero, TSaveHero& record) {
    TDungBlock& block = BlockOf(record.x, record.y, saveName + Sjis(": 主人公"));
    block.SetGuest(&hero);
    hero.PlaceHero(&block, record);
}

void TFloarPlacer::PlaceEnemies() {
    std::size_t index = 0;
    for (TSaveEnemy& record : save.enemies) {
        const std::string who = SaveRecordName("敵", index++);
        // A defeated enemy stays in the records and is not built again.
        if (record.hp == 0) {
            continue;
        }
        std::unique_ptr<TEnemy> enemy = record.kind == BG_Obstacle
                                            ? actors.NewObstacleBlock()
                                            : actors.NewEnemy(record.enemyKind);
        TDungBlock& block = BlockOf(record.x, record.y, who);
        block.SetGuest(enemy.get());
        enemy->PlaceEnemy(&block, record);
        TEnemyFactory::Instance().AttachAI(*enemy, record.aiType);
        parts.enemies.push_back(std::move(enemy));
    }
}

void TFloarPlacer::PlaceObjects() {
    std::size_t made = 0;
    for (std::size_t i = 0; i < floar.objects.size(); ++i) {
        const TBlockObje& record = floar.objects[i];
        std::unique_ptr<TOnOffObje> object = NewOnOffObje(actors, record);
        objects.push_back(object.get());
        if (!object) {
            continue;
        }
        TDungBlock& block = BlockOf(record.x, record.y, DataRecordName("物体", i));
        TOnOffObje& placed = *object;
        if (record.kind == BO_WallSwitch) {
            block.SetWallSwitch(std::move(object));
        } else {
            block.SetWallObje(std::move(object));
        }
        // The saved states follow the doors and switches in record order.
        const std::size_t k = made++;
        placed.PlaceOnOff(
            &block, RecordBytes(NthRecord(save.onOffs, k, SaveRecordName("扉とスイッチ", k))));
    }
    for (const TFloarLink& link : links) {
        if (link.from.list == TDataList::Objects) {
            IDungActer& from = ObjectOf(link.from.record);
            IDungActer& to = ObjectOf(link.object);
            from.Link(to);
            to.Link(from);
        }
    }
}

IDungActer& TFloarPlacer::ObjectOf(std::size_t record) const {
    return *objects.at(record);
}

void TFloarPlacer::PlaceItems() {
    std::size_t index = 0;
    for (TSaveItem& record : save.items) {
        const std::string who = SaveRecordName("アイテム", index++);
        std::unique_ptr<TItemActer> item;
        if (record.kind == BI_Key) {
            item = actors.NewKeyOnFloor(record);
        } else if (record.kind == BI_Equipment) {
            item = actors.NewEquipmentOnFloor(record);
        } else if (record.kind == BI_Tool && record.id == FreeToolId) {
            item = actors.NewToolOnFloor(record);
        } else {
            throw TGameError(who + Sjis(" (種類 ") + std::to_string(record.kind) + " ID " +
                             std::to_string(record.id) + Sjis(") は床に置けません"));
        }
        TDungBlock& block = BlockOf(record.x, record.y, who);
        TItemActer& placed = *item;
        block.SetItem(std::move(item));
        placed.PlaceOn(&block);
    }
}

void TFloarPlacer::PlaceFloarActers() {
    std::size_t switches = 0;
    for (std::size_t i = 0; i < floar.floarActers.size(); ++i) {
        const TBlockFloar& record = floar.floarActers[i];
        TDungBlock& block = BlockOf(record.x, record.y, DataRecordName("床アクター", i));
        if (record.kind == BF_FloarSwitch) {
            const std::size_t k = switches++;
            PlaceSwitch(block, i, NthRecord(save.tiles, k, SaveRecordName("床スイッチ", k)));
        } else {
            PlaceFloarFixture(actors, block, record);
        }
    }
}

void TFloarPlacer::PlaceSwitch(TDungBlock& block, std::size_t record, TSaveTile& tile) {
    const TBlockFloar& data = floar.floarActers[record];
    // The switch keeps the low byte of its timer.
    auto made =
        actors.NewFloorSwitch(data.subKind, static_cast<std::uint8_t>(data.arrivalYOrTimer));
    TFloarSwitch& floarSwitch = *made;
    block.SetFloarActer(std::move(made));
    floarSwitch.PlaceSwitch(&block, tile);
    const TFloarLinkEnd self{TDataList::FloarActers, record};
    for (const TFloarLink& link : links) {
        if (link.from == self) {
            IDungActer& object = ObjectOf(link.object);
            floarSwitch.Link(object);
            object.Link(floarSwitch);
        }
    }
    if (data.subKind == TimedFloarSwitch && tile.pressed != 0) {
        pressedTimedSwitches.push_back(&floarSwitch);
    }
}

void TFloarPlacer::PlaceFairies() {
    std::size_t index = 0;
    for (TSaveAct& record : save.acts) {
        // Forces follow the fairies; nothing is built for them.
        if (record.kind == SaveActForce) {
            break;
        }
        auto fairy = actors.NewFairy();
        TAngel& placed = *fairy;
        TDungBlock& block = BlockOf(record.x, record.y, SaveRecordName("妖精", index++));
        block.SetFairy(std::move(fairy));
        placed.PlaceFairy(&block, record);
    }
}

void TFloarPlacer::PlaceChests(const THero& hero) {
    std::size_t index = 0;
    for (TSaveBox& record : save.boxes) {
        const std::string who = SaveRecordName("宝箱", index++);
        std::unique_ptr<IItemImp> content;
        if (record.open == 0) {
            // What she already owns beyond this trip is not found twice.
            if (hero.OwnsItem(record.contentKind, static_cast<std::uint8_t>(record.contentId),
                              true)) {
                record.open = 1;
            } else {
                content = actors.MakeItem(ChestContentRecord(record));
                if (!content) {
                    throw TGameError(who + Sjis("の中身の種類 ") +
                                     std::to_string(record.contentKind) +
                                     Sjis(" はアイテムではありません"));
                }
            }
        }
        auto chest = actors.NewChest(record.keyNumber);
        TBox& box = *chest;
        TDungBlock& block = BlockOf(record.x, record.y, who);
        block.SetWallObje(std::move(chest));
        box.PlaceBox(&block, record, std::move(content));
    }
}
