#include "actors/Enemydata.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/FormatTesting.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<TEnemyFile> SampleEnemies() {
    return {
        {1, Sjis("スライム"), {7, 8, 9}, 20},
        {2, "", {0, 0, 0}, 21},
        {-5, "Bat", {255, 0, 1}, 22},
    };
}

TEST(Enemydata, ReadsTheStoredLayout) {
    const std::vector<std::uint8_t> bytes = {
        1,    0,                 // one kind
        0x2a, 0,    0,   0,      // id 42
        4,    'A',  'B', 0, 'C', // name cut at its NUL, all four bytes consumed
        1,    2,    3,           // unused
        0x39, 0x30, 0,   0,      // acter 12345
    };
    auto reader = ReaderOf(EnemyDataFile, bytes);
    const auto enemies = ReadEnemyData(reader);
    ASSERT_EQ(enemies.size(), 1u);
    EXPECT_EQ(enemies[0], (TEnemyFile{42, "AB", {1, 2, 3}, 12345}));
}

TEST(Enemydata, RoundTripIsByteIdentical) {
    ExpectByteIdenticalRoundTrip(WriteEnemyData, ReadEnemyData, SampleEnemies(),
                                 std::string(EnemyDataFile));
}

TEST(Enemydata, TheFirstKindWithAnIdWins) {
    auto enemies = SampleEnemies();
    enemies.push_back({1, "Second", {}, 99});
    ASSERT_NE(FindEnemyFile(enemies, 1), nullptr);
    EXPECT_EQ(FindEnemyFile(enemies, 1)->acterNo, 20);
    EXPECT_EQ(FindEnemyFile(enemies, -5)->name, "Bat");
    EXPECT_EQ(FindEnemyFile(enemies, 3), nullptr);
}

TEST(Enemydata, AnEmptyTableIsTwoBytes) {
    EXPECT_EQ(BytesOf(WriteEnemyData, {}), (std::vector<std::uint8_t>{0, 0}));
    auto reader = ReaderOf(EnemyDataFile, {0, 0});
    EXPECT_TRUE(ReadEnemyData(reader).empty());
}

TEST(Enemydata, BadFilesAreRefusedNamingTheFile) {
    ExpectEveryPrefixRefused(BytesOf(WriteEnemyData, SampleEnemies()), std::string(EnemyDataFile),
                             [](TDataReader& reader) { ReadEnemyData(reader); });

    // A count far past the end fails before anything is allocated.
    auto huge = ReaderOf(EnemyDataFile, {0xff, 0xff, 1, 0, 0, 0});
    EXPECT_NE(GameErrorOf([&] { ReadEnemyData(huge); }).find(Sjis("敵 の個数")), std::string::npos);
}

TEST(Enemydata, LoadsFromTheDataFolder) {
    TTempFolder folder;
    CreateGameFolder("Data");
    TDataWriter writer;
    WriteEnemyData(writer, SampleEnemies());
    writer.SaveTo(EnemyDataFile);
    EXPECT_EQ(LoadEnemyData(), SampleEnemies());
}

} // namespace
