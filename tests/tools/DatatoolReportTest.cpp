#include "Report.h"
#include "support/TestContent.h"
#include "tools/RunTool.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// The count of one mechanic on a one-square floor holding a single record.
struct TFloarCase {
    const char* what;
    TFloarData floar;
    TMechanic mechanic;
    int expected;
};

TFloarData Floar() {
    TFloarData floar;
    floar.width = 1;
    floar.height = 1;
    floar.grid = {{TBlockFile{0, 0, 1}}};
    return floar;
}

TFloarData WithItem(std::uint8_t kind, std::uint8_t id, std::uint8_t chest,
                    std::uint8_t maxDurability = 0, std::uint8_t mark = 0) {
    auto floar = Floar();
    floar.items.push_back({0, 0, kind, id, chest, mark, 1, maxDurability, maxDurability, 0});
    return floar;
}

TFloarData WithFloarActer(std::uint8_t kind, std::uint8_t subKind) {
    auto floar = Floar();
    floar.floarActers.push_back({0, 0, kind, subKind, 0, 0, 1, 0});
    return floar;
}

TFloarData WithDoor(std::uint8_t subKind) {
    auto floar = Floar();
    floar.objects.push_back({0, 0, BO_Door, subKind, 0, 2, 0, 0});
    return floar;
}

TFloarData WithGuest(std::uint8_t kind, std::uint8_t behaviour) {
    auto floar = Floar();
    floar.guests.push_back({0, 0, kind, 1, 3, 2, behaviour, 0});
    return floar;
}

TFloarData WithRooms() {
    TFloarData floar;
    floar.width = 4;
    floar.height = 1;
    floar.grid = {
        {TBlockFile{0, 3, 1}, TBlockFile{0, 3, 1}, TBlockFile{0, 0, 1}, TBlockFile{0, 1, 1}}};
    return floar;
}

// Equipment 1 is a sword, 2 a shield.
TContent ContentWithEquipment() {
    TEQData equipment;
    equipment.equipment.resize(2);
    equipment.equipment[0].id = 1;
    equipment.equipment[0].type = 1;
    equipment.equipment[1].id = 2;
    equipment.equipment[1].type = 2;
    equipment.listed = {1, 1, 0};
    TItemsSource items;
    items.equipment = equipment;
    TContent content;
    content.items = items;
    return content;
}

TEST(DatatoolReport, CountsEachMechanicByItsRecord) {
    const TFloarCase cases[] = {
        {"distinct room numbers", WithRooms(), TMechanic::Rooms, 2},
        {"an enemy on patrol", WithGuest(BG_Enemy, 0), TMechanic::PatrollingEnemies, 1},
        {"a keeper", WithGuest(BG_Enemy, 1), TMechanic::KeeperEnemies, 1},
        {"an enemy standing still", WithGuest(BG_Enemy, 2), TMechanic::StandingEnemies, 1},
        {"an obstacle block is no enemy", WithGuest(BG_Obstacle, 0), TMechanic::PatrollingEnemies,
         0},
        {"an obstacle block", WithGuest(BG_Obstacle, 2), TMechanic::ObstacleBlocks, 1},
        {"key 3 is blue", WithItem(BI_Key, 3, 0), TMechanic::BlueKeys, 1},
        {"a door of sub-kind 3 needs the white key", WithDoor(3), TMechanic::WhiteDoors, 1},
        {"a door of sub-kind 6 needs the yellow key", WithDoor(6), TMechanic::YellowDoors, 1},
        {"a door of sub-kind 2 works by switches", WithDoor(2), TMechanic::SwitchDoors, 1},
        {"a door of sub-kind 7 opens by hand", WithDoor(7), TMechanic::HandDoors, 1},
        {"a door of sub-kind 1 is no door", WithDoor(1), TMechanic::SwitchDoors, 0},
        {"chest 4 is locked yellow", WithItem(BI_Tool, 2, 4), TMechanic::YellowChests, 1},
        {"chest 5 has no lock", WithItem(BI_Tool, 2, 5), TMechanic::OpenChests, 1},
        {"chest 9 has no lock", WithItem(BI_Tool, 2, 9), TMechanic::OpenChests, 1},
        {"a key in a chest is no key lying free", WithItem(BI_Key, 1, 5), TMechanic::WhiteKeys, 0},
        {"a marked chest is an event treasure", WithItem(BI_Tool, 2, 5, 0, 3),
         TMechanic::EventTreasures, 1},
        {"a free sword with durability wears", WithItem(BI_Equipment, 1, 0, 5),
         TMechanic::SwordsThatWear, 1},
        {"a free sword without durability never breaks", WithItem(BI_Equipment, 1, 0, 0),
         TMechanic::SwordsThatWear, 0},
        {"a shield never wears", WithItem(BI_Equipment, 2, 0, 5), TMechanic::SwordsThatWear, 0},
        {"a sword in a chest is not free", WithItem(BI_Equipment, 1, 5, 5),
         TMechanic::FreeEquipment, 0},
        {"tool 5 lying free is the hammer", WithItem(BI_Tool, 5, 0), TMechanic::FreeHammers, 1},
        {"exit 1 goes up", WithFloarActer(BF_Exit, 1), TMechanic::StairsUp, 1},
        {"exit 2 goes down", WithFloarActer(BF_Exit, 2), TMechanic::StairsDown, 1},
        {"exit 3 is a way out", WithFloarActer(BF_Exit, 3), TMechanic::WaysOut, 1},
        {"exit 4 is a hidden way out", WithFloarActer(BF_Exit, 4), TMechanic::HiddenWaysOut, 1},
        {"exit 5 is a warp", WithFloarActer(BF_Exit, 5), TMechanic::Warps, 1},
        {"floor switch 1 is timed", WithFloarActer(BF_FloarSwitch, 1),
         TMechanic::TimedFloorSwitches, 1},
        {"floor switch 2 is permanent", WithFloarActer(BF_FloarSwitch, 2),
         TMechanic::PermanentFloorSwitches, 1},
        {"level value 6 asks at least level 7", WithFloarActer(BF_LevelFloar, 6),
         TMechanic::AtLeastLevelFloors, 1},
        {"level value 7 allows at most level 2", WithFloarActer(BF_LevelFloar, 7),
         TMechanic::AtMostLevelFloors, 1},
        {"a forced level floor", WithFloarActer(BF_ForcedLevelFloar, 4),
         TMechanic::ForcedLevelFloors, 1},
    };
    const auto content = ContentWithEquipment();
    for (const auto& c : cases) {
        const auto counts = CountMechanics(c.floar, content);
        EXPECT_EQ(counts[static_cast<size_t>(c.mechanic)], c.expected)
            << c.what << " (" << MechanicName(c.mechanic) << ")";
    }
}

TEST(DatatoolReport, PrintsTheSizeEveryFloorAndTheTotals) {
    std::string output;
    ASSERT_EQ(RunTool({"report", TestContentSources().string()}, output), 0) << output;
    const std::string expected[] = {
        "content:\n  5 stages, 9 floors, 236 squares\n",
        "  2 village areas, 2 people with 4 talks (5 pages, 2 choices)\n",
        "  3 story stages, 3 entrance areas\n",
        "  2 enemy kinds, 4 keys, 5 tools, 4 pieces of equipment\n",
        "stage 1 試しの洞窟 (2 floors)\n",
        "  floor 2 (6x4): red doors 1, switch doors 1, permanent floor switches 1, stairs up 1, "
        "ways out 1, warps 1, at-least level floors 1, forced level floors 1\n",
        "  floor 1 (3x3): nothing\n",
        "  hidden ways out              1     1\n",
        "  blue chests                  0     0\n",
    };
    for (const auto& line : expected) {
        EXPECT_NE(output.find(line), std::string::npos) << line << "\n--- in ---\n" << output;
    }
}

TEST(DatatoolReport, NamesSwordSynthesisWhereTwoFreeSwordsMeetAHammer) {
    auto content = ContentWithEquipment();
    TStagesSource stages;
    stages.stages.resize(2);
    stages.stages[0].name = "a";
    stages.stages[0].floars = {WithItem(BI_Equipment, 1, 0, 3), WithItem(BI_Equipment, 1, 0, 3)};
    stages.stages[0].floars[1].items.push_back({0, 0, BI_Tool, 5, 0, 0, 0, 0, 0, 0});
    stages.stages[1].name = "b";
    stages.stages[1].floars = {WithItem(BI_Equipment, 1, 0, 3), WithItem(BI_Equipment, 2, 0, 3)};
    content.stages = stages;
    std::ostringstream out;
    WriteContentReport(content, out);
    EXPECT_NE(out.str().find("stage 1 a (2 floors, sword synthesis (2 free swords, hammer found "
                             "here))\n"),
              std::string::npos)
        << out.str();
    EXPECT_NE(out.str().find("stage 2 b (2 floors)\n"), std::string::npos) << out.str();
}

} // namespace
