#include "activemap/Activemap.h"

#include "activemap/Outfield.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>

namespace {

TEST(ActiveMapTick, TheHeroinesActionChoosesTheNextTurnState) {
    struct TCase {
        DA_State heroState;
        std::vector<MapState_Type> changes;
    };
    const TCase cases[] = {{das_Walk, {msEnemyTurn}},
                           {das_Attack, {msHeroAction}},
                           {das_Dash, {msEnemyTurnDash}},
                           {das_Guard, {}},
                           {das_Wait, {}}};
    for (const TCase& c : cases) {
        TTestMap map({"...", "..."});
        TTestFighter& hero = map.PlaceHero(0, 1, DW_East);
        hero.SetState(hero.StateOf(c.heroState));
        map.GetState()->Tick(true);
        EXPECT_EQ(map.stateChanges, c.changes) << int(c.heroState);
    }
}

TEST(ActiveMapOrders, OrdersAreReservedWithTheirDirectionAndNotEntered) {
    TTestMap map({"..."});
    TTestFighter& hero = map.PlaceHero(0, 0, DW_East);
    map.OrderMove(DW_South);
    EXPECT_EQ(hero.GetReserved(), hero.StateOf(das_MoveOrder));
    EXPECT_EQ(hero.GetReserved()->GetParam(), DW_South);
    EXPECT_EQ(map.HeroStateId(), das_Wait);
    map.OrderDash(DW_West);
    EXPECT_EQ(hero.GetReserved(), hero.StateOf(das_Dash));
    EXPECT_EQ(hero.GetReserved()->GetParam(), DW_West);
    map.OrderStop();
    EXPECT_EQ(hero.GetReserved(), hero.StateOf(das_Wait));
}

TEST(ActiveMapHero, WhereTheHeroineStandsFacesAndWalks) {
    TTestMap map({"....", "...."});
    TTestFighter& hero = map.PlaceHero(2, 1, DW_North);
    EXPECT_EQ(map.HeroBlock(), &map.Block(2, 1));
    EXPECT_EQ(map.HeroDestination(), nullptr);
    EXPECT_EQ(map.HeroFacing(), DW_North);
    EXPECT_EQ(map.HeroPosition(), (std::array<float, 3>{4.0f, 0.0f, -2.0f}));
    hero.SetState(hero.StateOf(das_Walk));
    EXPECT_EQ(map.HeroDestination(), &map.Block(2, 0));
    EXPECT_EQ(map.CurrentStateType(), msWaitInput);
}

TEST(ActiveMapOutFields, TheMapTakesEightFieldsAndReplacesThemWhole) {
    TTestMap map({".."});
    IActiveMap::TOutFields fields;
    for (std::uint8_t type = 0; type < IActiveMap::OutFieldCount; ++type) {
        fields[type] = std::make_unique<TOutField>(type, TOutField::TRows{}, 2, 1);
    }
    TOutField* north = fields[0].get();
    map.SetOutFields(std::move(fields));
    EXPECT_EQ(map.OutField(0), north);
    EXPECT_EQ(map.OutField(7)->GetType(), 7);
    map.SetOutFields({});
    EXPECT_EQ(map.OutField(0), nullptr);
}

} // namespace
