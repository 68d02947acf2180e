#include "save/Savefloar.h"

#include "actors/Itemrecord.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"

namespace {

// An obstacle block needs no enemy table entry.
constexpr std::uint16_t ObstacleBlockHP = 3;

TSaveEnemy NewEnemyRecord(const TBlockGuest& guest, const TFloarData& floar) {
    TSaveEnemy enemy;
    enemy.mark = SaveEnemyMark;
    enemy.kind = guest.kind;
    enemy.enemyKind = guest.enemyId;
    PlaceRecord(enemy, guest.x, guest.y, guest.direction);
    enemy.aiType = guest.behaviour;
    enemy.targetDirection = DW_None;
    if (guest.kind == BG_Enemy) {
        const TFloarEnemy& variant = floar.EnemyById(guest.enemyId);
        enemy.enemyKind = variant.enemyKind;
        enemy.hp = enemy.maxHp = variant.hitPoints;
        enemy.attack = variant.attack;
        enemy.defence = variant.defence;
    } else {
        enemy.hp = enemy.maxHp = ObstacleBlockHP;
        enemy.defence = guest.obstacleDefence;
    }
    return enemy;
}

void AddObjectRecords(const TFloarData& floar, TSaveFloar& save) {
    for (const TBlockObje& object : floar.objects) {
        if (MakesOnOffObje(object)) {
            TSaveOnOff onOff;
            onOff.kind = object.kind;
            onOff.subKind = object.subKind;
            onOff.flag = object.startsOpen;
            PlaceRecord(onOff, object.x, object.y, object.direction);
            onOff.on = object.kind == BO_Door ? object.startsOpen != 0 : object.subKind != 0;
            save.onOffs.push_back(onOff);
        } else if (object.kind == BO_Fairy) {
            TSaveAct fairy;
            fairy.kind = object.kind;
            fairy.subValue = object.subKind;
            fairy.flag = object.startsOpen;
            PlaceRecord(fairy, object.x, object.y, object.direction);
            save.acts.push_back(fairy);
        }
    }
}

TSaveBox NewBoxRecord(const TBlockItem& item) {
    TSaveBox box;
    box.keyNumber = item.chest;
    PlaceRecord(box, item.x, item.y, DW_South);
    box.contentKind = item.kind;
    box.contentId = item.id;
    box.eventNo = item.eventMark;
    box.eventPosition = item.eventValue;
    box.contentMaxDurability = item.maxDurability;
    box.contentDurability = item.durability;
    return box;
}

TSaveItem NewItemRecord(const TBlockItem& item) {
    TSaveItem loose;
    loose.kind = item.kind;
    loose.id = item.id;
    PlaceRecord(loose, item.x, item.y, DW_South);
    loose.carryFlag = CF_DungeonOnly;
    loose.maxDurability = item.maxDurability;
    loose.durability = item.durability;
    return loose;
}

TSaveAct NewForceRecord(const TForceProp& force) {
    TSaveAct act;
    act.kind = SaveActForce;
    PlaceRecord(act, force.x, force.y, DW_South);
    return act;
}

TSaveTile NewTileRecord(const TBlockFloar& floarSwitch) {
    TSaveTile tile;
    tile.kind = BF_FloarSwitch;
    tile.switchKind = floarSwitch.subKind;
    PlaceRecord(tile, floarSwitch.x, floarSwitch.y, DW_South);
    tile.countdown = static_cast<std::uint8_t>(floarSwitch.arrivalYOrTimer & 0xff);
    return tile;
}

void RequireCountable(std::uint8_t number, size_t count, size_t maximum, const std::string& what) {
    if (count > maximum) {
        throw TGameError(Sjis("フロア ") + std::to_string(number) + Sjis(" の") + what +
                         Sjis("が多すぎて保存できません (") + std::to_string(maximum) +
                         Sjis(" まで)"));
    }
}

bool ValidEnemy(const TSaveEnemy& enemy) {
    return enemy.mark == SaveEnemyMark && (enemy.kind == BG_Enemy || enemy.kind == BG_Obstacle);
}

bool ValidOnOff(const TSaveOnOff& onOff) {
    TBlockObje object{};
    object.kind = onOff.kind;
    object.subKind = onOff.subKind;
    return MakesOnOffObje(object);
}

bool ValidItemKind(std::uint8_t kind) {
    return kind >= BI_Key && kind <= BI_Tool;
}

bool ValidAct(const TSaveAct& act) {
    return act.kind == BO_Fairy || act.kind == SaveActForce;
}

} // namespace

size_t TSaveFloar::RemoveItemRecords(const std::uint8_t* identity) {
    return RemoveByIdentity(items, identity);
}

size_t TSaveFloar::RemoveActRecords(const std::uint8_t* identity) {
    return RemoveByIdentity(acts, identity);
}

TSaveFloar NewFloarSave(std::uint8_t number, const TFloarData& floar) {
    TSaveFloar save;
    save.number = number;
    RequireCountable(number, floar.guests.size(), MaxFloarEnemies, Sjis("敵"));
    for (const TBlockGuest& guest : floar.guests) {
        save.enemies.push_back(NewEnemyRecord(guest, floar));
    }
    AddObjectRecords(floar, save);
    RequireCountable(number, save.onOffs.size(), MaxFloarOnOffs, Sjis("扉とスイッチ"));
    for (const TBlockItem& item : floar.items) {
        if (item.chest != 0) {
            save.boxes.push_back(NewBoxRecord(item));
        } else {
            save.items.push_back(NewItemRecord(item));
        }
    }
    for (const TForceProp& force : floar.forces) {
        save.acts.push_back(NewForceRecord(force));
    }
    for (const TBlockFloar& acter : floar.floarActers) {
        if (acter.kind == BF_FloarSwitch) {
            save.tiles.push_back(NewTileRecord(acter));
        }
    }
    return save;
}

void WriteFloarSave(TDataWriter& writer, const TSaveFloar& floar) {
    writer.WriteCountU8(floar.enemies.size(), Sjis("敵"));
    writer.WriteCountU8(floar.onOffs.size(), Sjis("扉とスイッチ"));
    writer.WriteCountU16(floar.items.size(), Sjis("アイテム"));
    writer.WriteCountU16(floar.acts.size(), Sjis("妖精とフォース"));
    writer.WriteCountU16(floar.boxes.size(), Sjis("宝箱"));
    writer.WriteCountU16(floar.tiles.size(), Sjis("床スイッチ"));
    WriteSaveList(writer, floar.enemies);
    WriteSaveList(writer, floar.onOffs);
    WriteSaveList(writer, floar.items);
    WriteSaveList(writer, floar.acts);
    WriteSaveList(writer, floar.boxes);
    WriteSaveList(writer, floar.tiles);
}

TSaveFloar ReadFloarSave(TDataReader& reader, std::uint8_t number) {
    const size_t enemyCount = reader.ReadU8(Sjis("敵の数"));
    const size_t onOffCount = reader.ReadU8(Sjis("扉とスイッチの数"));
    const size_t itemCount = reader.ReadU16(Sjis("アイテムの数"));
    const size_t actCount = reader.ReadU16(Sjis("妖精とフォースの数"));
    const size_t boxCount = reader.ReadU16(Sjis("宝箱の数"));
    const size_t tileCount = reader.ReadU16(Sjis("床スイッチの数"));
    TSaveFloar floar;
    floar.number = number;
    floar.enemies = ReadSaveList<TSaveEnemy>(reader, enemyCount, Sjis("敵"), ValidEnemy);
    floar.onOffs = ReadSaveList<TSaveOnOff>(reader, onOffCount, Sjis("扉とスイッチ"), ValidOnOff);
    floar.items =
        ReadSaveList<TSaveItem>(reader, itemCount, Sjis("アイテム"),
                                [](const TSaveItem& item) { return ValidItemKind(item.kind); });
    floar.acts = ReadSaveList<TSaveAct>(reader, actCount, Sjis("妖精とフォース"), ValidAct);
    floar.boxes = ReadSaveList<TSaveBox>(reader, boxCount, Sjis("宝箱"), [](const TSaveBox& box) {
        return ValidItemKind(box.contentKind);
    });
    floar.tiles =
        ReadSaveList<TSaveTile>(reader, tileCount, Sjis("床スイッチ"),
                                [](const TSaveTile& tile) { return tile.kind == BF_FloarSwitch; });
    return floar;
}
