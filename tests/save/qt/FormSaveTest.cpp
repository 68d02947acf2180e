#include "platform/GameFiles.h"
#include "save/qt/Fm_save.h"
#include "save/qt/Px_formsave.h"
#include "support/TempFolder.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The Qt dialog over a save folder holding slots 2 and 37, played with the
// pointer while it is shown modally.
class SaveDialogOnQt : public testing::Test {
protected:
    SaveDialogOnQt() : proxy("", nullptr) {
        std::filesystem::create_directory("Save");
        std::ofstream("Save/Save2") << "x";
        std::ofstream("Save/Save37") << "x";
    }

    TFormSave& Dialog() { return *proxy.Dialog(); }
    QTreeWidgetItem* Row(int row) { return Dialog().List()->topLevelItem(row); }
    void DoubleClick(int row) {
        QTreeWidget* list = Dialog().List();
        const QPoint at = list->visualItemRect(Row(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    // Plays `player` once the dialog shows, then makes sure it is closed.
    void WhenShown(const std::function<void()>& player) {
        QTimer::singleShot(0, [this, player] {
            EXPECT_TRUE(Dialog().isVisible());
            player();
            if (Dialog().isVisible()) {
                Dialog().reject();
            }
        });
    }
    QStringList RowTexts(int column) {
        QStringList texts;
        for (int row = 0; row < 10; ++row) {
            texts << Row(row)->text(column);
        }
        return texts;
    }

    TTempFolder folder;
    TPX_FormSave proxy;
};

TEST_F(SaveDialogOnQt, ShowsTheRememberedPageWithItsDatesAndTurnsPages) {
    proxy.SetRemembered(4, 6);
    const TLocalDateTime written = GameFileLastWriteTime(TGamePath("Save/Save37"));
    WhenShown([&] {
        EXPECT_EQ(Dialog().windowTitle(), QStringLiteral("セーブ"));
        EXPECT_EQ(Dialog().Caption()->text(), QStringLiteral("セーブ"));
        EXPECT_TRUE(Dialog().Caption()->styleSheet().contains(QStringLiteral("#c0dcc0")));
        EXPECT_EQ(Dialog().PageNumber()->text(), QStringLiteral("4"));
        EXPECT_EQ(RowTexts(0).join(QLatin1Char(' ')),
                  QStringLiteral("31 32 33 34 35 36 37 38 39 40"));
        EXPECT_EQ(Row(6)->text(1), QString::fromStdString(SlotDateText(written)));
        EXPECT_EQ(RowTexts(1).join(QString()).size(), Row(6)->text(1).size())
            << "only slot 37 is dated";
        EXPECT_EQ(Dialog().List()->currentItem(), Row(6)) << "the remembered row";
        EXPECT_TRUE(Row(6)->isSelected());

        Dialog().PageUp()->click();
        EXPECT_EQ(Dialog().PageNumber()->text(), QStringLiteral("5"));
        EXPECT_EQ(Row(0)->text(0), QStringLiteral("41"));
        EXPECT_TRUE(Dialog().List()->selectedItems().isEmpty());
        Dialog().DecideButton()->click();
        EXPECT_TRUE(Dialog().isVisible()) << "決定 without a row does nothing";
        for (int page = 4; page >= 1; --page) {
            Dialog().PageDown()->click();
        }
        EXPECT_EQ(Dialog().PageNumber()->text(), QStringLiteral("1")) << "page 0 is refused";
        DoubleClick(2);
    });
    EXPECT_EQ(proxy.AskSaveSlot(), 3) << "a double click on an empty row saves there";
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(proxy.RememberedPage(), 1);
    EXPECT_EQ(proxy.RememberedRow(), 2);
}

TEST_F(SaveDialogOnQt, LoadModeRefusesEmptyRowsAndTakesSavedOnes) {
    WhenShown([&] {
        EXPECT_EQ(Dialog().Caption()->text(), QStringLiteral("ロード"));
        EXPECT_TRUE(Dialog().Caption()->styleSheet().contains(QStringLiteral("#ffc4e1")));
        EXPECT_EQ(Dialog().PageNumber()->text(), QStringLiteral("1"));
        EXPECT_TRUE(Dialog().List()->selectedItems().isEmpty());
        DoubleClick(0);
        EXPECT_TRUE(Dialog().isVisible()) << "slot 1 has no file";
        QTest::mouseClick(Dialog().List()->viewport(), Qt::LeftButton, {},
                          Dialog().List()->visualItemRect(Row(1)).center());
        Dialog().DecideButton()->click();
    });
    EXPECT_EQ(proxy.AskLoadSlot(), 2);
}

TEST_F(SaveDialogOnQt, CancelAndTheCloseBoxChooseNothing) {
    WhenShown([&] {
        Row(4)->setSelected(true);
        Dialog().CancelButton()->click();
    });
    EXPECT_EQ(proxy.AskSaveSlot(), 0);
    WhenShown([&] { Dialog().close(); });
    EXPECT_EQ(proxy.AskLoadSlot(), 0);
    EXPECT_EQ(proxy.Mode(), TSaveMode::Closed);
    EXPECT_EQ(proxy.RememberedRow(), -1);
}

} // namespace
