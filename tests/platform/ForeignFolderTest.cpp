#include "actors/Itempropdepot.h"
#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/IniFile.h"
#include "platform/SjisText.h"
#include "scene/Dx7factory.h"
#include "scene/NullEngine.h"
#include "scene/Objefactory.h"
#include "support/ForeignGameFolder.h"
#include "support/FormatTesting.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// The game runs from a folder whose path Shift-JIS cannot hold: the data and
// models are opened by their relative names, the settings and saves beside
// the executable by the file system's own path.
class ForeignFolder : public testing::Test {
protected:
    TForeignGameFolder folder;
};

TEST_F(ForeignFolder, DataAndModelsLoadFromIt) {
    TDX7Factory grphFactory(std::make_unique<TNullGrph>(),
                            [] { return std::make_unique<TNullEngine>(); });
    const TObjeFactory objects(grphFactory);
    const auto* model = static_cast<const TNullGrph*>(objects.GrphKindOf(1)->entries[0].get());
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(fs::exists(folder.Path() / TGamePath(model->LoadedPath()).Native()));
    const TItemPropDepot items;
    EXPECT_FALSE(LoadDungeonData().empty());
}

TEST_F(ForeignFolder, SettingsBesideTheExecutableRoundTrip) {
    const auto settings = folder.ExecutableFolder() / "Tessarine.ini";
    {
        TIniFile ini(settings);
        ini.WriteInteger(Sjis("スレッド"), Sjis("割り込みレベル"), 3);
        ini.Save();
    }
    EXPECT_TRUE(fs::is_regular_file(settings));
    const TIniFile again(settings);
    EXPECT_EQ(again.ReadInteger(Sjis("スレッド"), Sjis("割り込みレベル"), 1), 3);
}

TEST_F(ForeignFolder, SavesGoBesideTheExecutable) {
    const fs::path executable = folder.ExecutableFolder();
    CreateGameFolder(TGamePath(executable, "Save"));
    const TGamePath save(executable, Sjis("Save\\セーブ1"));
    WriteWholeGameFile(save, {4, 5, 6});
    EXPECT_TRUE(fs::is_regular_file(executable / "Save" / "セーブ1"));
    EXPECT_EQ(ReadWholeGameFile(save), (std::vector<std::uint8_t>{4, 5, 6}));
    EXPECT_GE(GameFileLastWriteTime(save).year, 2024);
    // A message names the place with "?" for what Shift-JIS lacks.
    const auto message = GameErrorOf([&] { ReadWholeGameFile(TGamePath(executable, "Save2")); });
    EXPECT_NE(message.find(Sjis("-caf?-я/b?ro/Save2")), std::string::npos) << SjisToUtf8(message);
}

} // namespace
