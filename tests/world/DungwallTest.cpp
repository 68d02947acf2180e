#include "world/Dungwall.h"

#include "support/FakeBody.h"
#include "support/TestActers.h"
#include "support/TestMap.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

// A village person: offers talk from every side and answers with its talk.
class TTalker final : public TTestFixture {
public:
    TTalker() : TTestFixture(TActerKind::People, dac_Talk) {}
    TTalkDepot* TalkPartnerFor(std::uint8_t) override { return talk; }

    int talkData = 0;
    // Only compared, never read.
    TTalkDepot* talk = reinterpret_cast<TTalkDepot*>(&talkData);
};

TEST(Pieces, RestWithoutRecordAndKeepTheirBodyWhenPlaced) {
    TDungBlock block;
    auto wallBody = std::make_unique<TFakeBody>();
    TFakeBody& wallPose = *wallBody;
    TDungWall wall(std::move(wallBody));
    auto counterBody = std::make_unique<TFakeBody>();
    TFakeBody& counterPose = *counterBody;
    TCounter counter(std::move(counterBody));
    for (auto [piece, pose] : {std::pair<IDungActer*, TFakeBody*>{&wall, &wallPose},
                               std::pair<IDungActer*, TFakeBody*>{&counter, &counterPose}}) {
        EXPECT_EQ(piece->GetState(), IDungActer::NullState());
        EXPECT_EQ(piece->GetRecord(), nullptr);
        EXPECT_EQ(piece->GetIdentity(), nullptr);
        // Drawn through the block's matrix: placing must not reset or turn it.
        pose->Move(0.5f, 0.0f, 0.0f);
        piece->PlaceOn(&block);
        EXPECT_EQ(piece->GetBlock(), &block);
        EXPECT_FLOAT_EQ(pose->X(), 0.5f);
        EXPECT_FLOAT_EQ(pose->Turned(), 0.0f);
        EXPECT_TRUE(piece->Tick());
    }
}

TEST(Counter, OnlyTalkReachesAcrossIt) {
    // The heroine stands east of the counter and faces west across it.
    struct TCase {
        const char* what;
        std::string_view row;
        char behind; // 'p' person, 'e' enemy, 's' wall switch, '-' nothing
        bool talks;
    };
    const TCase cases[] = {
        {"a person", ".C.", 'p', true},        {"an enemy", ".C.", 'e', false},
        {"an empty floor", ".C.", '-', false}, {"a wall switch", ".C.", 's', false},
        {"a wall", "#C.", '-', false},         {"the edge of the grid", "C.", '-', false},
    };
    for (const TCase& c : cases) {
        TTestMap map({c.row});
        const int counterX = static_cast<int>(c.row.find('C'));
        TTalker person;
        if (c.behind == 'p') {
            map.Block(0, 0).SetGuest(&person);
        } else if (c.behind == 'e') {
            map.PlaceEnemy(0, 0, DW_East);
        } else if (c.behind == 's') {
            map.Block(0, 0).SetWallSwitch(
                std::make_unique<TTestFixture>(TActerKind::WallSwitch, dac_Press));
        }
        const TDungBlock& counter = map.Block(counterX, 0);
        EXPECT_EQ(counter.ActionFrom(DW_West), c.talks ? dac_Talk : dac_Attack) << c.what;
        EXPECT_EQ(counter.CursorActionFrom(DW_West), c.talks ? dac_Talk : dac_None) << c.what;
        EXPECT_EQ(counter.TalkPartnerFrom(DW_West), c.talks ? person.talk : nullptr) << c.what;
        EXPECT_TRUE(counter.BlocksPassage()) << c.what;
        EXPECT_FALSE(counter.BlocksSight()) << c.what;
    }
}

TEST(Counter, LooksBehindItselfInTheTalkersDirection) {
    TTestMap map({"..", "C."});
    TTalker person;
    map.Block(1, 0).SetGuest(&person);
    const TDungBlock& counter = map.Block(0, 1);
    EXPECT_EQ(counter.ActionFrom(DW_NorthEast), dac_Talk);
    EXPECT_EQ(counter.TalkPartnerFrom(DW_NorthEast), person.talk);
    EXPECT_EQ(counter.ActionFrom(DW_North), dac_Attack);
    EXPECT_EQ(counter.TalkPartnerFrom(DW_North), nullptr);
}

} // namespace
