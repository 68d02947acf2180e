#include "platform/GameFiles.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(GameFiles, MapsShiftJisNamesWithEitherSeparator) {
    EXPECT_EQ(TGamePath(Sjis("Obje\\ソ\\表.x")).Native().string(), "Obje/ソ/表.x");
    EXPECT_EQ(TGamePath("Data/DungData").Native().string(), "Data/DungData");
    EXPECT_EQ(TGamePath(Sjis("Obje\\ソ")).Shown(), Sjis("Obje\\ソ"));
}

TEST(GameFiles, FoldersTheFileSystemNamesKeepTheirNames) {
    const std::filesystem::path folder = "/tmp/caf\u00e9 \u044f\U0001F600/\u30b2\u30fc\u30e0";
    const TGamePath save(folder, Sjis("Save\\ソ"));
    EXPECT_EQ(save.Native(), folder / "Save" / "ソ");
    EXPECT_EQ(save.Shown(), Sjis("/tmp/caf? я?/ゲーム/Save/ソ"));
    EXPECT_EQ(TGamePath::FromNative(folder).Shown(), Sjis("/tmp/caf? я?/ゲーム"));
}

TEST(GameFiles, WritesReadsAndDatesAFile) {
    TTempFolder folder;
    CreateGameFolder(Sjis("Save/ソ"));
    EXPECT_TRUE(GameFolderExists(Sjis("Save\\ソ")));
    WriteWholeGameFile(Sjis("Save/ソ/表"), {1, 2, 3});
    EXPECT_TRUE(GameFileExists(Sjis("Save\\ソ\\表")));
    EXPECT_FALSE(GameFileExists(Sjis("Save/ソ")));
    EXPECT_EQ(ReadWholeGameFile(Sjis("Save/ソ/表")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_GE(GameFileLastWriteTime(Sjis("Save/ソ/表")).year, 2024);
}

TEST(GameFiles, MissingFileErrorsNameTheFile) {
    TTempFolder folder;
    try {
        ReadWholeGameFile(Sjis("Data/ない"));
        FAIL();
    } catch (const TGameError& e) {
        EXPECT_NE(std::string(e.what()).find(Sjis("Data/ない")), std::string::npos);
    }
    EXPECT_THROW(GameFileLastWriteTime(Sjis("Data/ない")), TGameError);
}

TEST(GameFiles, TheExecutablesFolder) {
    EXPECT_TRUE(ExecutableFolder().is_absolute());
    EXPECT_TRUE(std::filesystem::exists(ExecutableFolder() / "tessarine_core_tests"));
    EXPECT_EQ(BesideExecutable(Sjis("Save\\ソ")).Native(), ExecutableFolder() / "Save" / "ソ");
}

} // namespace
