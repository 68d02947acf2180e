#include "activemap/Mapblocks.h"

#include "actors/Idungacter.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>

namespace {

TMapBlocks TwoByThree() {
    TMapBlocks blocks;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x) {
            auto block = std::make_unique<TDungBlock>();
            block->SetUpBlock(x, y, nullptr, nullptr);
            blocks.Append(y, std::move(block));
        }
    }
    return blocks;
}

TEST(MapBlocks, RowsGrowAsBlocksAreAppended) {
    const TMapBlocks blocks = TwoByThree();
    EXPECT_EQ(blocks.Width(), 2);
    EXPECT_EQ(blocks.Height(), 3);
    ASSERT_EQ(blocks.Rows().size(), 3u);
    EXPECT_EQ(blocks.Rows()[2][1]->GetX(), 1);
    EXPECT_EQ(blocks.Rows()[2][1]->GetY(), 2);
    EXPECT_EQ(&blocks.At(1, 2, "x"), blocks.Rows()[2][1]);
}

TEST(MapBlocks, APositionOffTheGridIsNamedWithWhereItCameFrom) {
    const TMapBlocks blocks = TwoByThree();
    for (const auto& [x, y] : {std::pair{2, 0}, {0, 3}, {-1, 0}, {0, -1}}) {
        EXPECT_EQ(GameErrorOf([&] { blocks.At(x, y, Sjis("敵 1 ")); }),
                  Sjis("敵 1 の位置 (") + std::to_string(x) + ", " + std::to_string(y) +
                      Sjis(") が 2 x 3 のマップの外です"));
    }
}

} // namespace
