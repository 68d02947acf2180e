#include "village/Entrancechoice.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"
#include "world/Area.h"
#include "world/DataFile.h"

#include <gtest/gtest.h>

namespace {

// Stages "1" to "7"; area 0 lists stage 1, area 1 the stages 4, 5 and 7,
// area 2 stage 2.
class EntranceChoice : public ::testing::Test {
protected:
    EntranceChoice() {
        for (int number = 1; number <= 7; ++number) {
            stages.push_back(TStageData{std::to_string(number), 1, 0, 0, 0, {}});
        }
        CreateGameFolder("Data");
        TDataWriter writer;
        WriteAreaData(writer,
                      {{0, Sjis("村の外"), {1}}, {0, Sjis("森"), {4, 5, 7}}, {0, Sjis("山"), {2}}});
        writer.SaveTo(AreaDataFile);
        areas.emplace(stages);
    }

    // The choice with areas `opened` open.
    TEntranceChoice Offered(std::initializer_list<std::size_t> opened) const {
        std::vector<std::uint8_t> flags(MaxOpenedArea + 1, 0);
        for (const std::size_t area : opened) {
            flags[area] = 1;
        }
        return TEntranceChoice(*areas, flags);
    }

    TTempFolder folder;
    TDungeonData stages;
    std::optional<TAreaOperator> areas;
};

TEST_F(EntranceChoice, TheLastAreaOfferedIsPreselected) {
    const TEntranceChoice none = Offered({});
    ASSERT_EQ(none.AreaCount(), 1u);
    EXPECT_EQ(none.Preselected(), 0u);
    EXPECT_EQ(none.AreaName(0), Sjis("村の外"));
    EXPECT_EQ(none.DungeonNames(0), std::vector<std::string>{"1"});

    const TEntranceChoice both = Offered({1, 2});
    ASSERT_EQ(both.AreaCount(), 3u);
    EXPECT_EQ(both.Preselected(), 2u);
    EXPECT_EQ(both.AreaName(2), Sjis("山"));
}

TEST_F(EntranceChoice, ADungeonEntersItsStageNumberLessOne) {
    const TEntranceChoice choice = Offered({1});
    EXPECT_EQ(choice.DungeonNames(1), (std::vector<std::string>{"4", "5", "7"}));
    EXPECT_EQ(choice.DungeonNumber(1, 0), 3);
    EXPECT_EQ(choice.DungeonNumber(1, 2), 6);
    EXPECT_EQ(choice.DungeonNumber(0, 0), 0);
}

TEST_F(EntranceChoice, AnAreaOpenedBeforeALowerOneShowsItsOwnDungeons) {
    const TEntranceChoice choice = Offered({2});
    ASSERT_EQ(choice.AreaCount(), 2u);
    EXPECT_EQ(choice.Preselected(), 1u);
    EXPECT_EQ(choice.AreaName(1), Sjis("山"));
    EXPECT_EQ(choice.DungeonNames(1), std::vector<std::string>{"2"});
    EXPECT_EQ(choice.DungeonNumber(1, 0), 1);
}

TEST_F(EntranceChoice, PositionsThatAreNotListedAreRefused) {
    const TEntranceChoice choice = Offered({});
    EXPECT_EQ(GameErrorOf([&] { choice.AreaName(1); }),
              Sjis("ダンジョン入口に 2 番目のエリアはありません"));
    EXPECT_THROW(choice.DungeonNumber(0, 1), TGameError);
}

} // namespace
