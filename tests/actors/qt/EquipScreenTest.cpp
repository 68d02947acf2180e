#include "actors/Dungactfactory.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "actors/Itemrecord.h"
#include "actors/qt/Fm_equip.h"
#include "actors/qt/Prx_formequip.h"
#include "save/Savedungeon.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/FakeActiveMap.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Px_formgame.h"
#include "shell/qt/ShellFixture.h"
#include "support/TestItems.h"
#include "world/Dungblock.h"
#include "world/Mapdata.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The real equipment screen over the real game window on a floor where the
// heroine carries two swords found there (銅の剣, the first worn down to
// 2 of 4), the book of synthesis, a key and a shield.
class EquipScreenWindow : public ShellTest {
protected:
    EquipScreenWindow() {
        OpenWindow().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->CloseTitle();
        TDungOperator& dungOperator = window->Proxy().App().DungOperator();
        dungOperator.EnterScene([] { return std::make_unique<TFakeActiveMap>(1); },
                                THeroWhereabouts::Dungeon);
        record = NewDungeonHero(TStageData{});
        Hero().PlaceHero(&block, record);
        Carry(BI_Equipment, 1, CF_DungeonOnly, 4, 2);
        Carry(BI_Equipment, 1, CF_DungeonOnly, 0, 0);
        Carry(BI_Tool, 5, CF_Permanent, 0, 0);
        Carry(BI_Key, 2, CF_DungeonOnly, 0, 0);
        Carry(BI_Equipment, 3, CF_KeptIfAlive, 0, 0);
    }

    void Carry(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag, std::uint8_t maximum,
               std::uint8_t left) {
        Hero().AddItem(TDungActFactory::Instance().MakeItem(
            WornItemRecord(kind, id, carryFlag, maximum, left)));
    }

    static THero& Hero() { return THerosBase::Instance().GetHero(); }
    TPX_FormGame& GameWindow() const { return static_cast<TPX_FormGame&>(IGameWindow::Instance()); }
    TPrx_FormEquip& Proxy() const { return static_cast<TPrx_FormEquip&>(IEquipScreen::Instance()); }
    TFormEquip& Form() const { return *Proxy().Form(); }
    template <typename T = QWidget> T* Control(const char* name) const {
        T* found = Form().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The player presses and lets go of A in the game window.
    void OpenWithKey() {
        QTest::keyClick(GameWindow().Form(), Qt::Key_A);
        ASSERT_TRUE(Proxy().IsShown());
    }
    void ClickRow(QTreeWidget& list, int row) {
        const QRect place = list.visualItemRect(list.topLevelItem(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place.center());
    }
    void Click(const char* button) {
        QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    }
    QString Cell(const char* list, int row, int column) const {
        return Control<QTreeWidget>(list)->topLevelItem(row)->text(column);
    }
    QString Text(const char* label) const { return Control<QLabel>(label)->text(); }

    TDungBlock block;
    TSaveHero record;
};

TEST_F(EquipScreenWindow, TheItemKeyOpensItModalBelowTheGameWindowsCorner) {
    OpenWithKey();
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("装備"));
    EXPECT_EQ(QApplication::activeModalWidget(), &Form());
    const QPoint corner = GameWindow().Form()->mapToGlobal(QPoint(78, 236));
    EXPECT_EQ(Form().pos(), corner);

    const std::pair<const char*, std::vector<const char*>> headers[] = {
        {"ListView1", {"", "名前", "攻", "防", "耐久"}},
        {"ListView2", {"種", "名前", "効果", "耐久", "持"}},
        {"ListView3", {"名前", "攻", "防", "耐久"}},
    };
    for (const auto& [name, captions] : headers) {
        const QTreeWidget& list = *Control<QTreeWidget>(name);
        ASSERT_EQ(list.columnCount(), static_cast<int>(captions.size())) << name;
        for (int column = 0; column < list.columnCount(); ++column) {
            EXPECT_EQ(list.headerItem()->text(column),
                      QString::fromUtf8(captions[static_cast<std::size_t>(column)]))
                << name;
        }
    }
    const std::pair<const char*, const char*> captions[] = {
        {"Button1", "▲"},      {"Button2", "▼"},    {"Button3", "ソードユナイト"},
        {"Button5", "閉じる"}, {"Button7", "実行"}, {"Button8", "ｷｬﾝｾﾙ"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Control<QPushButton>(name)->text(), QString::fromUtf8(caption)) << name;
    }
    EXPECT_EQ(Control<QGroupBox>("GroupBox1")->title(), QStringLiteral("プロパティ"));
    EXPECT_TRUE(Control<QPushButton>("Button3")->isVisible()) << "she carries the book";
    EXPECT_FALSE(Control("Panel4")->isVisible());

    // The equipped rows carry the three kind icons; the carried rows those
    // of their kind, and keys and tools none.
    ASSERT_EQ(Form().ImageList().size(), 3u);
    for (const QPixmap& icon : Form().ImageList()) {
        EXPECT_EQ(icon.size(), QSize(14, 14));
        EXPECT_FALSE(icon.mask().isNull()) << "the background is transparent";
    }
    const QTreeWidget& worn = *Control<QTreeWidget>("ListView1");
    ASSERT_EQ(worn.topLevelItemCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(worn.topLevelItem(row)->icon(0).isNull()) << row;
        EXPECT_EQ(worn.topLevelItem(row)->text(1), QString()) << "nothing worn";
    }
    const QTreeWidget& carried = *Control<QTreeWidget>("ListView2");
    ASSERT_EQ(carried.topLevelItemCount(), 5);
    const bool withIcon[] = {true, true, false, false, true};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(!carried.topLevelItem(row)->icon(0).isNull(), withIcon[row]) << row;
    }
    const char* first[] = {"", "銅の剣", "3", "2/4", "×"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(Cell("ListView2", 0, column), QString::fromUtf8(first[column])) << column;
    }
    EXPECT_EQ(Cell("ListView2", 4, 4), QStringLiteral("○"));
    EXPECT_EQ(Text("AttackTotal"), QStringLiteral("2"));
    EXPECT_EQ(Text("DefenceTotal"), QStringLiteral("2"));

    Click("Button5");
    EXPECT_FALSE(Proxy().IsShown());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EquipScreenWindow, RowsShowTheirDifferenceAndTheButtonsPutOnAndTakeOff) {
    OpenWithKey();
    QTreeWidget& carried = *Control<QTreeWidget>("ListView2");
    ClickRow(carried, 0);
    EXPECT_EQ(Text("AttackDifference"), QStringLiteral("↑ 3"));
    EXPECT_EQ(Control<QLabel>("AttackDifference")->palette().color(QPalette::WindowText),
              QColor(0, 0, 255));
    EXPECT_EQ(Text("DefenceDifference"), QString());

    Click("Button1");
    EXPECT_EQ(Cell("ListView2", 0, 0), QStringLiteral("E"));
    EXPECT_EQ(Cell("ListView1", 0, 1), QStringLiteral("銅の剣"));
    EXPECT_EQ(Cell("ListView1", 0, 4), QStringLiteral("2/4"));
    EXPECT_EQ(Text("AttackTotal"), QStringLiteral("5"));
    EXPECT_EQ(GameWindow().Form()->findChild<QLabel*>(QStringLiteral("Label8"))->text(),
              QStringLiteral("5"))
        << "the game window's values follow";
    EXPECT_EQ(carried.currentItem(), carried.topLevelItem(0)) << "the row stays selected";

    ClickRow(carried, 4);
    EXPECT_EQ(Text("AttackDifference"), QStringLiteral("↓ 1"));
    EXPECT_EQ(Control<QLabel>("AttackDifference")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    EXPECT_EQ(Text("DefenceDifference"), QStringLiteral("↑ 1"));

    ClickRow(*Control<QTreeWidget>("ListView1"), 0);
    Click("Button2");
    EXPECT_EQ(Cell("ListView2", 0, 0), QString());
    EXPECT_EQ(Cell("ListView1", 0, 1), QString());
    EXPECT_EQ(Text("AttackTotal"), QStringLiteral("2"));
}

TEST_F(EquipScreenWindow, EveryRowHoldsItsTextAndIconWithRoomAroundThemInTheListsAsLaidOut) {
    // Enough carried items to need the scroll bar.
    for (int i = 0; i < 12; ++i) {
        Carry(BI_Equipment, 1, CF_KeptIfAlive, 9, 9);
    }
    OpenWithKey();
    Click("Button3");
    struct TListCase {
        const char* name;
        QSize size;
        // The fixed lists show all their rows at once; the carried list scrolls.
        bool allRowsShown;
    };
    const TListCase lists[] = {
        {"ListView1", {400, 80}, true},
        {"ListView2", {400, 220}, false},
        {"ListView3", {224, 80}, true},
    };
    for (const TListCase& c : lists) {
        QTreeWidget& list = *Control<QTreeWidget>(c.name);
        EXPECT_EQ(list.size(), c.size) << c.name;
        const int contentHeight = std::max(QFontMetrics(list.font()).height(), 14);
        const QRect shown = list.viewport()->rect();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QRect rect = list.visualItemRect(list.topLevelItem(row));
            EXPECT_GE(rect.height(), contentHeight + 4) << c.name << " row " << row;
            if (c.allRowsShown) {
                EXPECT_TRUE(shown.contains(rect)) << c.name << " row " << row;
            }
        }
        // No column is cut off by the list's edge or its scroll bar.
        EXPECT_LE(list.header()->length(), shown.width()) << c.name;
    }
    EXPECT_TRUE(Control<QTreeWidget>("ListView2")->verticalScrollBar()->isVisible());
}

TEST_F(EquipScreenWindow, TwoSwordsFoundHereAreCombinedStepByStep) {
    OpenWithKey();
    QTreeWidget& carried = *Control<QTreeWidget>("ListView2");
    Click("Button3");
    ASSERT_TRUE(Control("Panel4")->isVisible());
    EXPECT_EQ(Text("Label8"), QStringLiteral("ベースとなる剣を選んでください"));
    EXPECT_FALSE(Control<QPushButton>("Button7")->isEnabled());

    ClickRow(carried, 2);
    Click("Button1");
    EXPECT_EQ(Text("Label8"), QStringLiteral("武器以外は合成できません"));
    ClickRow(carried, 0);
    Click("Button1");
    EXPECT_EQ(Text("Label8"), QStringLiteral("合成する剣を選んでください"));
    EXPECT_EQ(Cell("ListView3", 0, 0), QStringLiteral("銅の剣"));
    EXPECT_EQ(Cell("ListView2", 0, 0), QString()) << "▲ chose and did not put on";
    ClickRow(carried, 1);
    Click("Button1");
    EXPECT_EQ(Text("Label8"), QStringLiteral("合成を実行しますか？"));
    EXPECT_TRUE(Control<QPushButton>("Button7")->isEnabled());

    Click("Button7");
    EXPECT_EQ(Text("Label8"), QStringLiteral("合成が完了しました"));
    const char* base[] = {"銅の剣 + 1", "4", "", "5/5"};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(Cell("ListView3", 0, column), QString::fromUtf8(base[column])) << column;
        EXPECT_EQ(Cell("ListView3", 1, column), QString()) << column;
    }
    EXPECT_EQ(Control<QPushButton>("Button8")->text(), QStringLiteral("終了"));
    EXPECT_FALSE(Control<QPushButton>("Button7")->isEnabled());
    ASSERT_EQ(carried.topLevelItemCount(), 4) << "the second sword is gone";
    EXPECT_EQ(Cell("ListView2", 0, 1), QStringLiteral("銅の剣 + 1"));
    EXPECT_EQ(Cell("ListView2", 0, 3), QStringLiteral("5/5"));

    Click("Button8");
    EXPECT_FALSE(Control("Panel4")->isVisible());

    // A load puts the screen away.
    window->Proxy().App().DungOperator().CloseEquipment();
    EXPECT_FALSE(Proxy().IsShown());
}

} // namespace
