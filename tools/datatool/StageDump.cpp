#include "AsciiGrid.h"
#include "Names.h"
#include "PlacedRecords.h"
#include "StageSource.h"
#include "YamlWrite.h"

#include <array>

namespace {

template <typename TRecord, typename TDumpOne>
void DumpList(YAML::Emitter& out, const char* key, const std::vector<TRecord>& records,
              TDumpOne dumpOne) {
    if (records.empty()) {
        return;
    }
    out << YAML::Key << key << YAML::Value << YAML::BeginSeq;
    for (const auto& record : records) {
        dumpOne(out, record);
    }
    out << YAML::EndSeq;
}

void DumpFloar(YAML::Emitter& out, const TFloarData& floar) {
    out << YAML::BeginMap;
    TGridRows rows;
    for (const auto& row : floar.grid) {
        auto& cells = rows.emplace_back();
        for (const auto& block : row) {
            cells.push_back({block.wallObje, block.room, block.floarTile});
        }
    }
    WriteAsciiGrid(out, rows, StageGridFields);
    DumpList(out, "enemy_table", floar.enemies, [](auto& o, const TFloarEnemy& enemy) {
        TRecordOut(o)
            .Number("id", enemy.id)
            .Number("enemy", enemy.enemyKind)
            .Number("attack", enemy.attack)
            .Number("defence", enemy.defence)
            .Number("hp", enemy.hitPoints);
    });
    DumpList(out, "guests", floar.guests, [](auto& o, const TBlockGuest& guest) {
        TRecordOut(o)
            .Position("at", guest.x, guest.y)
            .Named("kind", guest.kind, GuestKindNames)
            .NumberIfSet("enemy", guest.enemyId)
            .NumberIfSet("defence", guest.obstacleDefence)
            .Named("dir", guest.direction, DirectionNames)
            .Named("behaviour", guest.behaviour, BehaviourNames)
            .NumberIfSet("unused", guest.unused);
    });
    DumpList(out, "objects", floar.objects,
             [](auto& o, const TBlockObje& object) { DumpBlockObje(o, object, StageNames); });
    DumpList(out, "items", floar.items, [](auto& o, const TBlockItem& item) {
        TRecordOut(o)
            .Position("at", item.x, item.y)
            .Named("kind", item.kind, ItemKindNames)
            .Number("id", item.id)
            .NumberIfSet("chest", item.chest)
            .NumberIfSet("mark", item.eventMark)
            .NumberIfSet("value", item.eventValue)
            .NumberIfSet("max_durability", item.maxDurability)
            .NumberIfSet("durability", item.durability)
            .NumberIfSet("unused", item.unused);
    });
    DumpList(out, "floor_actors", floar.floarActers,
             [](auto& o, const TBlockFloar& record) { DumpBlockFloar(o, record, StageNames); });
    DumpList(out, "forces", floar.forces, [](auto& o, const TForceProp& force) {
        TRecordOut(o)
            .Position("at", force.x, force.y)
            .NumberIfSet("value1", force.value1)
            .NumberIfSet("value2", force.value2)
            .Text("text", force.text);
    });
    out << YAML::EndMap;
}

} // namespace

TSourceTexts DumpStages(const TDungeonData& stages) {
    TSourceTexts texts;
    for (size_t i = 0; i < stages.size(); ++i) {
        const auto& stage = stages[i];
        YAML::Emitter out;
        out << YAML::BeginMap;
        out << YAML::Key << "number" << YAML::Value << static_cast<long long>(i + 1);
        out << YAML::Key << "name" << YAML::Value;
        EmitText(out, stage.name);
        out << YAML::Key << "start" << YAML::Value;
        TRecordOut(out)
            .Number("floor", stage.startFloar)
            .Position("at", stage.startX, stage.startY);
        if (stage.unused != 0) {
            out << YAML::Key << "unused" << YAML::Value << static_cast<long long>(stage.unused);
        }
        out << YAML::Key << "floors" << YAML::Value << YAML::BeginSeq;
        for (const auto& floar : stage.floars) {
            DumpFloar(out, floar);
        }
        out << YAML::EndSeq << YAML::EndMap;
        texts.push_back({NumberedSourceName("stages", i, stages.size()), out.c_str()});
    }
    return texts;
}
