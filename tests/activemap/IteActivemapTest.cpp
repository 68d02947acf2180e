#include "activemap/Ite_activemap.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using TCells = std::vector<std::pair<int, int>>;

template <typename TFirst> TCells Walk(TIte_Map_GetBlock& blocks, TFirst first) {
    TCells cells;
    for (TDungBlock* block = first(); block; block = blocks.Next()) {
        cells.emplace_back(block->GetX(), block->GetY());
        EXPECT_EQ(blocks.Current(), block);
    }
    return cells;
}

std::vector<std::string> Rows(int width, int height) {
    return std::vector<std::string>(static_cast<std::size_t>(height),
                                    std::string(static_cast<std::size_t>(width), '.'));
}

TEST(BlockIterator, RowHeadsAndOneRow) {
    TTestMap map({"...", "...", "..."});
    TIte_Map_GetBlock blocks;
    blocks.SetMap(&map);
    EXPECT_EQ(Walk(blocks, [&] { return blocks.FirstRowHeads(); }),
              (TCells{{0, 0}, {0, 1}, {0, 2}}));
    EXPECT_EQ(Walk(blocks, [&] { return blocks.FirstInRow(1); }), (TCells{{0, 1}, {1, 1}, {2, 1}}));
    EXPECT_EQ(blocks.Next(), nullptr);
}

TEST(BlockIterator, TheWindowOfAHeroineInTheCornerReachesEightColumnsAndSixRows) {
    TTestMap map(Rows(20, 20));
    TIte_Map_GetBlock blocks;
    blocks.SetMap(&map);
    const TCells cells = Walk(blocks, [&] { return blocks.FirstInWindow(&map.Block(0, 0)); });
    ASSERT_EQ(cells.size(), 9u * 7u);
    EXPECT_EQ(cells.front(), std::make_pair(0, 0));
    EXPECT_EQ(cells[9], std::make_pair(0, 1));
    EXPECT_EQ(cells.back(), std::make_pair(8, 6));
}

TEST(BlockIterator, TheFullWindowIsSeventeenBySixteenRowByRow) {
    TTestMap map(Rows(30, 30));
    TIte_Map_GetBlock blocks;
    blocks.SetMap(&map);
    const TCells cells = Walk(blocks, [&] { return blocks.FirstInWindow(&map.Block(10, 12)); });
    ASSERT_EQ(cells.size(), 17u * 16u);
    EXPECT_EQ(cells.front(), std::make_pair(2, 3));
    EXPECT_EQ(cells[17], std::make_pair(2, 4));
    EXPECT_EQ(cells.back(), std::make_pair(18, 18));
}

TEST(BlockIterator, TheWindowStopsAtTheFarEdges) {
    TTestMap map(Rows(12, 10));
    TIte_Map_GetBlock blocks;
    blocks.SetMap(&map);
    const TCells cells = Walk(blocks, [&] { return blocks.FirstInWindow(&map.Block(11, 9)); });
    ASSERT_EQ(cells.size(), 9u * 10u);
    EXPECT_EQ(cells.front(), std::make_pair(3, 0));
    EXPECT_EQ(cells.back(), std::make_pair(11, 9));
}

TEST(ActerIterators, TheDungeonGivesTheHeroineThenTheEnemiesInOrder) {
    TTestMap map({"...."});
    TTestFighter& hero = map.PlaceHero(0, 0, DW_East);
    TTestFighter& first = map.PlaceEnemy(3, 0, DW_West);
    TTestFighter& second = map.PlaceEnemy(2, 0, DW_West);
    TIte_Map_DgAct acters(map);
    EXPECT_EQ(acters.First(), &hero);
    EXPECT_EQ(acters.Next(), &first);
    EXPECT_EQ(acters.Next(), &second);
    EXPECT_EQ(acters.Next(), nullptr);
    EXPECT_EQ(acters.First(), &hero);
}

TEST(ActerIterators, TheVillageGivesMoversAndPlacedObjectsApart) {
    TTestMap map({"....."}, true);
    TTestFighter& hero = map.PlaceHero(0, 0, DW_East);
    TTestFighter& person = map.PlaceEnemy(3, 0, DW_West);
    TTestFixture prop(TActerKind::Other);
    map.people = {&person};
    map.placed = {&prop};
    TIte_Map_TwnAct acters(map);
    EXPECT_EQ(acters.FirstMover(), &hero);
    EXPECT_EQ(acters.NextMover(), &person);
    EXPECT_EQ(acters.NextMover(), nullptr);
    EXPECT_EQ(acters.FirstPlaced(), &prop);
    EXPECT_EQ(acters.NextPlaced(), nullptr);
}

} // namespace
