#include "actors/Floaractersub.h"

#include "platform/SjisText.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "world/Dungblock.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(FloarExit, LeadsUpDownOutOrToItsFloor) {
    struct TCase {
        std::uint8_t type;
        int leadsTo;
    };
    const TCase cases[] = {{EXIT_FloarUp, 2},
                           {EXIT_FloarDown, 4},
                           {EXIT_LeaveFirst, -1},
                           {EXIT_LeaveLast, -1},
                           {EXIT_ToFloar, 7}};
    for (const TCase& c : cases) {
        TDungBlock block;
        TFloarExit exit(nullptr, c.type);
        exit.PlaceFloor(&block, TBlockFloar{1, 2, BF_Exit, c.type, 5, 6, 7, 0});
        int x = 0;
        int y = 0;
        EXPECT_EQ(exit.GetDestination(3, x, y), c.leadsTo) << int(c.type);
        EXPECT_EQ(x, 5);
        EXPECT_EQ(y, 6);
        EXPECT_FALSE(exit.MayOthersEnter());
        EXPECT_TRUE(exit.MayHeroEnter());
    }
    TFloarExit unknown(nullptr, 6);
    int x = 0;
    int y = 0;
    EXPECT_EQ(GameErrorOf([&] { unknown.GetDestination(1, x, y); }), Sjis("床の移動先取得エラー"));
}

TEST(FloarLevel, AdmitsTheHeroineWithinItsLevels) {
    struct TCase {
        std::uint8_t value;
        int level;
        bool admitted;
    };
    const TCase cases[] = {{1, 1, false}, {1, 2, true},  {3, 3, false}, {3, 4, true},
                           {6, 7, true},  {7, 2, true},  {7, 3, false}, {9, 4, true},
                           {9, 5, false}, {12, 7, true}, {12, 8, false}};
    for (const TCase& c : cases) {
        EXPECT_EQ(TFloarLevel(nullptr, c.value).Admits(c.level), c.admitted)
            << int(c.value) << " at level " << c.level;
    }
    for (const std::uint8_t value : {std::uint8_t{0}, std::uint8_t{13}}) {
        EXPECT_EQ(GameErrorOf([&] { TFloarLevel(nullptr, value).Admits(1); }),
                  Sjis("主人公が進入可能かどうかチェックエラー"));
    }
}

TEST(FloarForcedLV, GivesItsLevel) {
    TFloarForcedLV floor(nullptr, 4);
    int x = 0;
    int y = 0;
    EXPECT_EQ(floor.GetDestination(1, x, y), 4);
}

TEST(FloarSwitch, LiesDownWhenSavedPressed) {
    for (const std::uint8_t pressed : {std::uint8_t{0}, std::uint8_t{1}}) {
        TDungBlock block;
        TSaveTile record;
        record.pressed = pressed;
        auto body = std::make_unique<TFakeBody>();
        TFakeBody& shown = *body;
        TFloarSwitch floarSwitch(std::move(body), TimedFloarSwitch, 3);
        floarSwitch.PlaceSwitch(&block, record);
        EXPECT_EQ(floarSwitch.GetRecord(), RecordBytes(record));
        EXPECT_EQ(floarSwitch.GetState(), nullptr);
        EXPECT_EQ(shown.motionsRunToEnd.size(), pressed) << int(pressed);
    }
}

} // namespace
