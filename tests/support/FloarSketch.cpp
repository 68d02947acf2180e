#include "support/FloarSketch.h"

#include "actors/Enemyai.h"
#include "actors/Floaractersub.h"
#include "world/Base3dutil.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace {

constexpr std::uint8_t SketchWall = 1;
constexpr std::uint8_t SketchTile = 1;
constexpr std::uint8_t SketchEnemyKind = 1;
constexpr std::uint8_t SketchEnemyId = 1;

template <typename TRecord> TRecord Placed(int x, int y) {
    TRecord record{};
    record.x = static_cast<std::uint16_t>(x);
    record.y = static_cast<std::uint16_t>(y);
    return record;
}

} // namespace

TFloarData SketchFloar(std::initializer_list<std::string_view> rows) {
    TFloarData floar;
    floar.height = static_cast<std::uint16_t>(rows.size());
    floar.width = static_cast<std::uint16_t>(rows.begin()->size());
    for (const std::string_view row : rows) {
        if (row.size() != floar.width) {
            throw std::invalid_argument("the rows of a floor sketch differ in length");
        }
        std::vector<TBlockFile>& blocks = floar.grid.emplace_back();
        for (const char cell : row) {
            if (cell == '#') {
                blocks.push_back({SketchWall, 0, 0});
            } else if (cell >= '1' && cell <= '9') {
                blocks.push_back({0, static_cast<std::uint8_t>(cell - '0'), SketchTile});
            } else {
                blocks.push_back({0, 0, SketchTile});
            }
        }
    }
    return floar;
}

TFloarData BareFloar(int width, int height) {
    TFloarData floar;
    floar.width = static_cast<std::uint16_t>(width);
    floar.height = static_cast<std::uint16_t>(height);
    floar.grid.assign(floar.height,
                      std::vector<TBlockFile>(floar.width, TBlockFile{0, 0, SketchTile}));
    return floar;
}

TStageData SketchStage(int x, int y, std::vector<TFloarData> floars) {
    TStageData stage;
    stage.name = "sketch";
    stage.startX = static_cast<std::uint16_t>(x);
    stage.startY = static_cast<std::uint16_t>(y);
    stage.floars = std::move(floars);
    return stage;
}

TFloarEnemy EnemyKind(std::uint8_t id, std::uint8_t attack, std::uint8_t defence,
                      std::uint8_t hitPoints) {
    return {id, SketchEnemyKind, attack, defence, hitPoints};
}

TBlockGuest EnemyAt(int x, int y, std::uint8_t dir, std::uint8_t behaviour) {
    auto guest = Placed<TBlockGuest>(x, y);
    guest.kind = BG_Enemy;
    guest.enemyId = SketchEnemyId;
    guest.direction = dir;
    guest.behaviour = behaviour;
    return guest;
}

TBlockGuest ObstacleAt(int x, int y, std::uint8_t defence) {
    auto guest = Placed<TBlockGuest>(x, y);
    guest.kind = BG_Obstacle;
    guest.obstacleDefence = defence;
    guest.behaviour = EnemyAINone;
    return guest;
}

TBlockObje ObjectAt(int x, int y, std::uint8_t kind, std::uint8_t subKind, std::uint8_t link) {
    auto object = Placed<TBlockObje>(x, y);
    object.kind = kind;
    object.subKind = subKind;
    object.link = link;
    return object;
}

TBlockFloar FloorActerAt(int x, int y, std::uint8_t kind, std::uint8_t subKind, int valueA,
                         int valueB) {
    auto floor = Placed<TBlockFloar>(x, y);
    floor.kind = kind;
    floor.subKind = subKind;
    floor.arrivalXOrLink = static_cast<std::uint16_t>(valueA);
    floor.arrivalYOrTimer = static_cast<std::uint16_t>(valueB);
    return floor;
}

TBlockItem ItemAt(int x, int y, std::uint8_t kind, std::uint8_t id, std::uint8_t chest,
                  std::uint8_t mark, std::uint8_t value) {
    auto item = Placed<TBlockItem>(x, y);
    item.kind = kind;
    item.id = id;
    item.chest = chest;
    item.eventMark = mark;
    item.eventValue = value;
    return item;
}

TStageData BusiestStage() {
    TFloarData floar = SketchFloar({
        "################",
        "#1111111.222222#",
        "#1111111.222222#",
        "#1111111.222222#",
        "#1111111.222222#",
        "####.######.####",
        "#..............#",
        "#.####.##.####.#",
        "#..............#",
        "#.#33333333333.#",
        "#..33333333333.#",
        "################",
    });
    // Enemies that cannot hurt her, so that she plays on for ever.
    floar.enemies = {EnemyKind(SketchEnemyId, 0, 1, 9)};
    for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{
             {2, 2}, {4, 3}, {6, 1}, {10, 2}, {13, 4}, {5, 9}, {9, 10}, {12, 9}, {3, 6}, {12, 8}}) {
        floar.guests.push_back(EnemyAt(x, y, DW_South, EnemyAIPatrol));
    }
    floar.guests.push_back(EnemyAt(14, 1, DW_West, EnemyAIKeeper));
    floar.guests.push_back(EnemyAt(1, 8, DW_East, EnemyAIKeeper));
    floar.guests.push_back(ObstacleAt(6, 8, 1));
    floar.guests.push_back(ObstacleAt(9, 6, 1));
    floar.objects = {ObjectAt(11, 5, BO_Door, DoorBySwitchSubKind),
                     ObjectAt(13, 7, BO_WallSwitch, 0, 1), ObjectAt(4, 5, BO_Door, 3),
                     ObjectAt(1, 10, BO_Fairy)};
    floar.floarActers = {FloorActerAt(7, 6, BF_FloarSwitch, TimedFloarSwitch, 1, 3)};
    floar.items = {ItemAt(1, 6, BI_Key, 1), ItemAt(14, 10, BI_Tool, FreeToolId),
                   ItemAt(14, 9, BI_Tool, 2, 5, 1, 1)};
    return SketchStage(8, 6, {floar});
}
