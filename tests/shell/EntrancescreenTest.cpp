#include "shell/Entrancescreen.h"

#include "activemap/Activemap.h"
#include "platform/SjisText.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "support/TempFolder.h"
#include "support/TestBundle.h"
#include "support/TestContent.h"
#include "village/Eventoperator.h"

#include <gtest/gtest.h>

namespace {

// The real application over the test content, the heroine at the village's
// way out: the entrance screen opens as the village asks for it.
class EntranceScreen : public testing::Test {
protected:
    EntranceScreen()
        : app((InstallTestContent(folder.Path()), mainWindow), platform.Bundle(), "Tessarine.ini") {
        app.NewGame();
        Operator().ShowEntrance();
    }

    TDungOperator& Operator() { return app.DungOperator(); }
    TFakeEntranceScreen& Screen() const { return *platform.entranceScreen; }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
    TApp app;
};

TEST_F(EntranceScreen, OpensOnceInPlaceOfTheVillageWithWhatTheStoryOffers) {
    EXPECT_EQ(Operator().Whereabouts(), THeroWhereabouts::Entrance);
    EXPECT_EQ(Operator().ActiveMap(), nullptr);
    EXPECT_FALSE(platform.gameWindow->HasWindow());
    ASSERT_TRUE(Screen().IsOpen());
    EXPECT_EQ(Screen().choice->AreaCount(), 1u);
    EXPECT_EQ(Screen().choice->AreaName(0), Sjis("はじまりの地"));
    EXPECT_FALSE(Operator().CanStart());
    EXPECT_FALSE(Operator().CanSave());

    Operator().ShowEntrance();
    EXPECT_EQ(Screen().opened, 1);
}

TEST_F(EntranceScreen, ADungeonChosenIsEnteredAfresh) {
    Screen().Enter(Screen().choice->DungeonNumber(0, 0));
    EXPECT_FALSE(Screen().IsOpen());
    EXPECT_EQ(Operator().Whereabouts(), THeroWhereabouts::Dungeon);
    ASSERT_NE(Operator().ActiveMap(), nullptr);
    EXPECT_FALSE(Operator().ActiveMap()->IsVillage());
    EXPECT_EQ(Operator().ActiveMap()->GetNumber(), 1);
    EXPECT_TRUE(platform.gameWindow->HasWindow());
}

TEST_F(EntranceScreen, TheWayBackEntersTheVillageSquare) {
    Screen().Return();
    EXPECT_FALSE(Screen().IsOpen());
    EXPECT_EQ(Operator().Whereabouts(), THeroWhereabouts::Village);
    ASSERT_NE(Operator().ActiveMap(), nullptr);
    EXPECT_TRUE(Operator().ActiveMap()->IsVillage());
    EXPECT_EQ(Operator().ActiveMap()->GetNumber(), 0);
    EXPECT_EQ(platform.gameWindow->caption, Sjis("ルメナ村"));
}

} // namespace
