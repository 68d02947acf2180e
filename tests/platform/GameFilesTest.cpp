#include "platform/GameFiles.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(GameFiles, MapsShiftJisNamesWithEitherSeparator) {
    EXPECT_EQ(GamePath(Sjis("Obje\\ソ\\表.x")).string(), "Obje/ソ/表.x");
    EXPECT_EQ(GamePath("Data/DungData").string(), "Data/DungData");
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

TEST(GameFiles, FoldersOfTheProgram) {
    EXPECT_FALSE(ExecutableFolder().empty());
    EXPECT_NE(ExecutableFolder().back(), '/');
    EXPECT_FALSE(CurrentFolder().empty());
}

} // namespace
