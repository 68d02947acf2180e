#include "world/Mapdata.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"
#include "world/MapGrid.h"
#include "world/MapdataCheck.h"
#include "world/NamedRecords.h"

#include <algorithm>

const TFloarEnemy& TFloarData::EnemyById(std::uint8_t id) const {
    const auto found = std::find_if(enemies.begin(), enemies.end(),
                                    [id](const TFloarEnemy& enemy) { return enemy.id == id; });
    if (found == enemies.end()) {
        throw TGameError(Sjis("IDからフロアでの敵プロパティ取得エラー"));
    }
    return *found;
}

const TFloarData& TStageData::Floar(int number) const {
    if (number < 1 || static_cast<size_t>(number) > floars.size()) {
        throw TGameError(name + Sjis(" にフロア ") + std::to_string(number) +
                         Sjis(" はありません"));
    }
    return floars[static_cast<size_t>(number - 1)];
}

namespace {

// Fixed part of a force record: four u16 values before its text.
constexpr size_t ForcePropMinimumSize = 8 + 4;

std::vector<TForceProp> ReadForces(TDataReader& reader, size_t count) {
    const std::string what = Sjis("フォース");
    reader.RequireRecords(count, ForcePropMinimumSize, what);
    std::vector<TForceProp> forces(count);
    for (auto& force : forces) {
        force.x = reader.ReadU16(what);
        force.y = reader.ReadU16(what);
        force.value1 = reader.ReadU16(what);
        force.value2 = reader.ReadU16(what);
        force.text = reader.ReadLongString(what);
    }
    return forces;
}

TFloarData ReadFloar(TDataReader& reader) {
    TFloarData floar;
    floar.width = reader.ReadU16(Sjis("幅"));
    floar.height = reader.ReadU16(Sjis("高さ"));
    const size_t guestCount = reader.ReadU16(Sjis("ゲスト数"));
    const size_t objectCount = reader.ReadU16(Sjis("物体数"));
    const size_t itemCount = reader.ReadU16(Sjis("アイテム数"));
    const size_t floarActerCount = reader.ReadU16(Sjis("床アクター数"));
    const size_t forceCount = reader.ReadU16(Sjis("フォース数"));
    const size_t enemyCount = reader.ReadU16(Sjis("敵テーブル数"));
    floar.grid = ReadGrid<TBlockFile>(reader, floar.width, floar.height);
    floar.guests = reader.ReadRecords<TBlockGuest>(guestCount, Sjis("ゲスト"));
    floar.objects = reader.ReadRecords<TBlockObje>(objectCount, Sjis("物体"));
    floar.items = reader.ReadRecords<TBlockItem>(itemCount, Sjis("アイテム"));
    floar.floarActers = reader.ReadRecords<TBlockFloar>(floarActerCount, Sjis("床アクター"));
    floar.forces = ReadForces(reader, forceCount);
    floar.enemies = reader.ReadRecords<TFloarEnemy>(enemyCount, Sjis("敵テーブル"));
    return floar;
}

// Smallest floor record: eight u16 values and one block.
constexpr size_t FloarMinimumSize = 8 * 2 + sizeof(TBlockFile);
// Smallest stage record: floor count, empty name and the six start bytes.
constexpr size_t StageMinimumSize = 1 + 1 + 6;

TStageData ReadStage(TDataReader& reader, const std::string& stageContext) {
    TStageData stage;
    const size_t floarCount = reader.ReadU8(Sjis("フロア数"));
    stage.name = reader.ReadShortString(Sjis("名前"));
    stage.startFloar = reader.ReadU8(Sjis("開始フロア"));
    stage.unused = reader.ReadU8(Sjis("未使用バイト"));
    stage.startX = reader.ReadU16(Sjis("開始位置"));
    stage.startY = reader.ReadU16(Sjis("開始位置"));
    stage.floars = ReadNamedRecords(
        reader, floarCount, FloarMinimumSize, Sjis("フロア"),
        [&](size_t i) { return stageContext + Sjis(" フロア ") + std::to_string(i + 1); },
        [&] { return ReadFloar(reader); });
    reader.SetContext(stageContext);
    if (const auto problems = FindStageProblems(stage); !problems.empty()) {
        reader.FailContent(problems.front().message);
    }
    return stage;
}

void WriteFloar(TDataWriter& writer, const TFloarData& floar) {
    writer.WriteU16(floar.width);
    writer.WriteU16(floar.height);
    writer.WriteCountU16(floar.guests.size(), Sjis("ゲスト"));
    writer.WriteCountU16(floar.objects.size(), Sjis("物体"));
    writer.WriteCountU16(floar.items.size(), Sjis("アイテム"));
    writer.WriteCountU16(floar.floarActers.size(), Sjis("床アクター"));
    writer.WriteCountU16(floar.forces.size(), Sjis("フォース"));
    writer.WriteCountU16(floar.enemies.size(), Sjis("敵テーブル"));
    WriteGrid(writer, floar.grid, floar.width, floar.height);
    writer.WriteRecords(floar.guests);
    writer.WriteRecords(floar.objects);
    writer.WriteRecords(floar.items);
    writer.WriteRecords(floar.floarActers);
    for (const auto& force : floar.forces) {
        writer.WriteU16(force.x);
        writer.WriteU16(force.y);
        writer.WriteU16(force.value1);
        writer.WriteU16(force.value2);
        writer.WriteLongString(force.text);
    }
    writer.WriteRecords(floar.enemies);
}

} // namespace

TDungeonData ReadDungeonData(TDataReader& reader) {
    const size_t stageCount = reader.ReadU8(Sjis("ステージ数"));
    TDungeonData stages = ReadNamedRecords(
        reader, stageCount, StageMinimumSize, Sjis("ステージ"),
        [](size_t i) { return Sjis("ステージ ") + std::to_string(i + 1); },
        [&](const std::string& stageContext) { return ReadStage(reader, stageContext); });
    reader.SetContext({});
    reader.RequireEnd();
    return stages;
}

TDungeonData LoadDungeonData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadDungeonData(reader);
}

void WriteDungeonData(TDataWriter& writer, const TDungeonData& stages) {
    writer.WriteCountU8(stages.size(), Sjis("ステージ"));
    for (const auto& stage : stages) {
        writer.WriteCountU8(stage.floars.size(), Sjis("フロア"));
        writer.WriteShortString(stage.name);
        writer.WriteU8(stage.startFloar);
        writer.WriteU8(stage.unused);
        writer.WriteU16(stage.startX);
        writer.WriteU16(stage.startY);
        for (const auto& floar : stage.floars) {
            WriteFloar(writer, floar);
        }
    }
}
