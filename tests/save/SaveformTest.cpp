#include "save/Saveform.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "support/ScriptedSaveForm.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// The dialog over a save folder holding slots 2 and 37.
class SlotDialog : public testing::Test {
protected:
    SlotDialog() : form("") {
        std::filesystem::create_directory("Save");
        std::ofstream("Save/Save2") << "x";
        std::ofstream("Save/Save37") << "x";
    }

    // What a double click on `row` of `page` does, the dialog open in `mode`.
    int DoubleClick(bool loadMode, int page, int row) {
        form.player = [=](TScriptedSaveForm& shown) {
            ASSERT_TRUE(shown.ShowPage(page));
            shown.Select(row);
            shown.Decide();
        };
        return loadMode ? form.AskLoadSlot() : form.AskSaveSlot();
    }

    TTempFolder folder;
    TScriptedSaveForm form;
};

TEST_F(SlotDialog, ADoubleClickOnAnEmptyRowChoosesItOnlyInSaveMode) {
    EXPECT_EQ(DoubleClick(true, 1, 2), 0) << "slot 3 has no game to load";
    EXPECT_EQ(form.RememberedRow(), -1);
    EXPECT_EQ(DoubleClick(true, 1, 1), 2);
    EXPECT_EQ(DoubleClick(false, 1, 2), 3);
    EXPECT_EQ(DoubleClick(true, 4, 6), 37);
    EXPECT_EQ(form.RememberedPage(), 4);
    EXPECT_EQ(form.RememberedRow(), 6);
    EXPECT_EQ(form.Mode(), TSaveMode::Closed);
}

TEST_F(SlotDialog, NothingIsDecidedWithoutARowAndOnlyPagesOneToTenAreShown) {
    form.SetRemembered(4, 6);
    form.player = [](TScriptedSaveForm& shown) {
        EXPECT_EQ(shown.Mode(), TSaveMode::Save);
        EXPECT_EQ(shown.ShownPage(), 4);
        EXPECT_EQ(shown.SelectedRow(), 6);
        EXPECT_FALSE(shown.ShowPage(0));
        EXPECT_FALSE(shown.ShowPage(11));
        EXPECT_EQ(shown.ShownPage(), 4);
        ASSERT_TRUE(shown.ShowPage(5));
        EXPECT_EQ(shown.SelectedRow(), -1) << "the remembered row is on page 4";
        EXPECT_FALSE(shown.Decide());
        ASSERT_TRUE(shown.ShowPage(4));
        EXPECT_EQ(shown.SelectedRow(), 6);
        shown.Close();
    };
    EXPECT_EQ(form.AskSaveSlot(), 0) << "cancelled";
    EXPECT_EQ(form.Mode(), TSaveMode::Closed);
    EXPECT_EQ(form.RememberedPage(), 4);
}

TEST_F(SlotDialog, RememberedPlacesOutsideTheDialogGiveThePageOneWithNoRow) {
    for (const auto& [page, row] : {std::pair{0, 3}, {11, 0}, {3, 10}, {3, -2}}) {
        form.SetRemembered(5, 5);
        form.SetRemembered(page, row);
        EXPECT_EQ(form.RememberedPage(), 1) << page << "/" << row;
        EXPECT_EQ(form.RememberedRow(), -1) << page << "/" << row;
    }
}

TEST_F(SlotDialog, OnlyTheSlotChosenLastMayBeToldSaved) {
    form.slots = {13};
    ASSERT_EQ(form.AskSaveSlot(), 13);
    EXPECT_FALSE(form.ShownBlock().times[2].has_value());
    std::ofstream("Save/Save13") << "x";
    form.SlotSaved(13);
    EXPECT_TRUE(form.ShownBlock().times[2].has_value());
    try {
        form.SlotSaved(14);
        FAIL() << "slot 14 was not chosen";
    } catch (const TGameError& error) {
        EXPECT_EQ(error.what(), Sjis("セーブ後ファイル情報の更新エラー"));
    }
}

} // namespace
