#include "StageSource.h"

#include "AsciiGrid.h"
#include "Names.h"
#include "PlacedRecords.h"
#include "YamlRead.h"

#include <array>
#include <map>

namespace {

TBlockGuest ReadGuest(const TYamlNode& node) {
    node.AllowOnly({"at", "kind", "enemy", "defence", "dir", "behaviour", "unused"});
    TBlockGuest guest{};
    ReadPosition(node, "at", guest.x, guest.y);
    guest.kind = node.Get("kind").Number<std::uint8_t>(GuestKindNames);
    guest.enemyId = node.NumberAt<std::uint8_t>("enemy", 0);
    guest.obstacleDefence = node.NumberAt<std::uint8_t>("defence", 0);
    guest.direction = node.NumberAt<std::uint8_t>("dir", 0, DirectionNames);
    guest.behaviour = node.NumberAt<std::uint8_t>("behaviour", 0, BehaviourNames);
    guest.unused = node.NumberAt<std::uint8_t>("unused", 0);
    return guest;
}

TBlockItem ReadItem(const TYamlNode& node) {
    node.AllowOnly(
        {"at", "kind", "id", "chest", "mark", "value", "max_durability", "durability", "unused"});
    TBlockItem item{};
    ReadPosition(node, "at", item.x, item.y);
    item.kind = node.Get("kind").Number<std::uint8_t>(ItemKindNames);
    item.id = node.Get("id").Number<std::uint8_t>();
    item.chest = node.NumberAt<std::uint8_t>("chest", 0);
    item.eventMark = node.NumberAt<std::uint8_t>("mark", 0);
    item.eventValue = node.NumberAt<std::uint8_t>("value", 0);
    item.maxDurability = node.NumberAt<std::uint8_t>("max_durability", 0);
    item.durability = node.NumberAt<std::uint8_t>("durability", 0);
    item.unused = node.NumberAt<std::uint8_t>("unused", 0);
    return item;
}

TForceProp ReadForce(const TYamlNode& node) {
    node.AllowOnly({"at", "value1", "value2", "text"});
    TForceProp force;
    ReadPosition(node, "at", force.x, force.y);
    force.value1 = node.NumberAt<std::uint16_t>("value1", 0);
    force.value2 = node.NumberAt<std::uint16_t>("value2", 0);
    force.text = node.TextAt("text");
    return force;
}

TFloarEnemy ReadFloarEnemy(const TYamlNode& node) {
    node.AllowOnly({"id", "enemy", "attack", "defence", "hp"});
    TFloarEnemy enemy{};
    enemy.id = node.Get("id").Number<std::uint8_t>();
    enemy.enemyKind = node.Get("enemy").Number<std::uint8_t>();
    enemy.attack = node.NumberAt<std::uint8_t>("attack", 0);
    enemy.defence = node.NumberAt<std::uint8_t>("defence", 0);
    enemy.hitPoints = node.NumberAt<std::uint8_t>("hp", 0);
    return enemy;
}

template <typename TRecord, typename TReadOne>
std::vector<TRecord> ReadList(const TYamlNode& floor, std::string_view key,
                              std::vector<TSourceLocation>& marks, TReadOne readOne) {
    std::vector<TRecord> records;
    for (const auto& item : floor.ListAt(key)) {
        records.push_back(readOne(item));
        marks.push_back(item.Where());
    }
    return records;
}

TFloarData ReadFloar(const TYamlNode& node, TFloarMarks& marks) {
    node.AllowOnly({"legend", "grid", "cell_width", "enemy_table", "guests", "objects", "items",
                    "floor_actors", "forces"});
    marks.where = node.Where();
    TFloarData floar;
    for (const auto& row : ReadAsciiGrid(node, StageGridFields)) {
        std::vector<TBlockFile> blocks;
        for (const auto& cell : row) {
            blocks.push_back({cell[0], cell[1], cell[2]});
        }
        floar.grid.push_back(std::move(blocks));
        marks.gridRows.push_back(GridRowLocation(node, marks.gridRows.size()));
    }
    floar.height = static_cast<std::uint16_t>(floar.grid.size());
    floar.width = static_cast<std::uint16_t>(floar.grid[0].size());
    floar.enemies = ReadList<TFloarEnemy>(node, "enemy_table", marks.enemies, ReadFloarEnemy);
    floar.guests = ReadList<TBlockGuest>(node, "guests", marks.guests, ReadGuest);
    floar.objects = ReadList<TBlockObje>(node, "objects", marks.objects, [](const auto& item) {
        return ReadBlockObje(item, StageNames);
    });
    floar.items = ReadList<TBlockItem>(node, "items", marks.items, ReadItem);
    floar.floarActers =
        ReadList<TBlockFloar>(node, "floor_actors", marks.floarActers,
                              [](const auto& item) { return ReadBlockFloar(item, StageNames); });
    floar.forces = ReadList<TForceProp>(node, "forces", marks.forces, ReadForce);
    return floar;
}

TStageData ReadStage(const TYamlNode& root, TStageMarks& marks) {
    root.AllowOnly({"number", "name", "start", "unused", "floors"});
    marks.where = root.Where();
    TStageData stage;
    stage.name = root.Get("name").Text();
    const auto start = root.Get("start");
    start.AllowOnly({"floor", "at"});
    marks.start = start.Where();
    stage.startFloar = start.Get("floor").Number<std::uint8_t>();
    ReadPosition(start, "at", stage.startX, stage.startY);
    stage.unused = root.NumberAt<std::uint8_t>("unused", 0);
    for (const auto& floor : root.ListAt("floors")) {
        marks.floars.emplace_back();
        stage.floars.push_back(ReadFloar(floor, marks.floars.back()));
    }
    return stage;
}

} // namespace

std::optional<TStagesSource> ReadStageSources(const std::filesystem::path& sourceDir) {
    const auto files = ListSourceFiles(sourceDir, "stages");
    if (files.empty()) {
        return std::nullopt;
    }
    std::map<long long, std::pair<TStageData, TStageMarks>> byNumber;
    for (const auto& file : files) {
        const auto root = TYamlNode::LoadFile(sourceDir, file);
        const auto numberNode = root.Get("number");
        const auto number = numberNode.Integer(1, 255);
        if (byNumber.contains(number)) {
            numberNode.Fail("stage number " + std::to_string(number) + " is given twice (also " +
                            byNumber[number].second.where.file + ")");
        }
        TStageMarks marks;
        auto stage = ReadStage(root, marks);
        byNumber[number] = {std::move(stage), std::move(marks)};
    }
    TStagesSource source;
    for (auto& [number, entry] : byNumber) {
        if (number != static_cast<long long>(source.stages.size()) + 1) {
            throw TSourceError({entry.second.where.file, entry.second.where.line},
                               "stage number " + std::to_string(number) + " leaves a gap: stage " +
                                   std::to_string(source.stages.size() + 1) + " is missing");
        }
        source.stages.push_back(std::move(entry.first));
        source.marks.push_back(std::move(entry.second));
    }
    return source;
}
