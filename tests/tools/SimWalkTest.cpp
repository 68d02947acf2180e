#include "core/SimWalk.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "support/DungeonWorld.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// A floor drawn for a walk: 'S' where she starts, 'T' where she goes, 'B'
// both, '#' a wall, 'W' a wall she is sent to, '.' corridor, 'D' a locked door, 'O' an open door,
// 'X' an obstacle block, 'E' the way out ('e' where she goes), 'L' a floor she may enter only from
// level 4.
struct TWalkFloar {
    TStageData stage;
    int toX = 0;
    int toY = 0;
};

TWalkFloar DrawWalk(std::initializer_list<std::string_view> rows) {
    std::vector<std::string> plain;
    int startX = 0;
    int startY = 0;
    TWalkFloar walk;
    TFloarData floar;
    std::vector<TBlockObje> objects;
    std::vector<TBlockGuest> guests;
    std::vector<TBlockFloar> floarActers;
    int y = 0;
    for (const std::string_view row : rows) {
        std::string& line = plain.emplace_back(row);
        for (int x = 0; x < static_cast<int>(line.size()); ++x) {
            switch (line[static_cast<std::size_t>(x)]) {
            case 'S':
                startX = x;
                startY = y;
                break;
            case 'T':
                walk.toX = x;
                walk.toY = y;
                break;
            case 'B':
                startX = walk.toX = x;
                startY = walk.toY = y;
                break;
            case 'W':
                walk.toX = x;
                walk.toY = y;
                line[static_cast<std::size_t>(x)] = '#';
                continue;
            case 'D':
                objects.push_back(ObjectAt(x, y, BO_Door, 3));
                break;
            case 'O': {
                TBlockObje open = ObjectAt(x, y, BO_Door, DoorBySwitchSubKind);
                open.startsOpen = 1;
                objects.push_back(open);
                break;
            }
            case 'X':
                guests.push_back(ObstacleAt(x, y, 1));
                break;
            case 'e':
                walk.toX = x;
                walk.toY = y;
                [[fallthrough]];
            case 'E':
                floarActers.push_back(FloorActerAt(x, y, BF_Exit, 4));
                break;
            case 'L':
                floarActers.push_back(FloorActerAt(x, y, BF_LevelFloar, 3));
                break;
            default:
                continue;
            }
            line[static_cast<std::size_t>(x)] = '.';
        }
        ++y;
    }
    floar = BareFloar(static_cast<int>(plain.front().size()), static_cast<int>(plain.size()));
    for (std::size_t row = 0; row < plain.size(); ++row) {
        for (std::size_t col = 0; col < plain[row].size(); ++col) {
            if (plain[row][col] == '#') {
                floar.grid[row][col] = SketchFloar({"#"}).grid[0][0];
            }
        }
    }
    floar.objects = objects;
    floar.guests = guests;
    floar.floarActers = floarActers;
    walk.stage = SketchStage(startX, startY, {floar});
    return walk;
}

std::string Ways(const TSimWalkPlan& plan) {
    if (!plan.Found()) {
        return plan.refusal;
    }
    std::string ways;
    for (const std::uint8_t way : plan.ways) {
        ways += static_cast<char>('0' + way);
    }
    return ways;
}

TEST(SimWalk, PlansTheShortestWayOverTheBlocksSheMayEnter) {
    struct TCase {
        const char* what;
        std::initializer_list<std::string_view> rows;
        const char* ways;
    };
    const TCase cases[] = {
        {"straight", {"#####", "#S.T#", "#####"}, "11"},
        {"diagonal between free corners", {"#####", "#S..#", "#...#", "#..T#", "#####"}, "55"},
        {"a wall cuts the corner", {"#####", "#S#.#", "#..T#", "#####"}, "211"},
        {"no diagonal past a closed door", {"#####", "#SD.#", "#..T#", "#####"}, "211"},
        {"through an open door", {"#######", "#S.O.T#", "#######"}, "1111"},
        {"a locked door shuts the only way",
         {"#######", "#S.D.T#", "#######"},
         "no way to block 5,1 from 1,1"},
        {"round an obstacle block", {"#######", "#S.X.T#", "#.....#", "#######"}, "1514"},
        {"an obstacle block shuts the only way",
         {"#######", "#S.X.T#", "#######"},
         "no way to block 5,1 from 1,1"},
        {"round a level floor too high for her",
         {"#######", "#S.L.T#", "#.....#", "#######"},
         "1514"},
        {"an exit is never crossed", {"#######", "#S.E.T#", "#.....#", "#######"}, "1514"},
        {"an exit ends a walk", {"#####", "#S.e#", "#####"}, "11"},
        {"walled off", {"#####", "#S#T#", "#####"}, "no way to block 3,1 from 1,1"},
        {"onto a wall", {"#####", "#S.W#", "#####"}, "she may not enter block 3,1"},
        {"where she stands", {"###", "#B#", "###"}, ""},
    };
    for (const TCase& c : cases) {
        TDungeonWorld world;
        const TWalkFloar walk = DrawWalk(c.rows);
        world.Enter({walk.stage});
        const TSimWalkPlan plan =
            PlanSimWalk(TActiveMapProxy::Instance(), *world.Hero().GetBlock(), walk.toX, walk.toY);
        EXPECT_EQ(Ways(plan), c.ways) << c.what;
    }
}

TEST(SimWalk, ABlockOutsideTheMapIsRefused) {
    TDungeonWorld world;
    world.Enter({DrawWalk({"####", "#S.#", "####"}).stage});
    const TSimWalkPlan plan =
        PlanSimWalk(TActiveMapProxy::Instance(), *world.Hero().GetBlock(), 4, 1);
    EXPECT_EQ(plan.refusal, "block 4,1 is outside the map (4x3)");
}

} // namespace
