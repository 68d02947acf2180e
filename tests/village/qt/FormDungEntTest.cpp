#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/qt/Px_formgame.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "support/qt/EventLoop.h"
#include "village/Eventoperator.h"
#include "village/qt/Fm_dungent.h"
#include "village/qt/Px_formdungent.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

// The main window over the test content with a new game that has walked out
// of the village; `opened` names the areas the story has opened.
class FormDungEnt : public ShellTest {
protected:
    void Leave(const std::vector<std::size_t>& opened = {}) {
        OpenWindow();
        window->show();
        App().NewGame();
        for (const std::size_t area : opened) {
            TEventOperator::Instance().RunScript("DungInfo_" + std::to_string(area));
        }
        App().DungOperator().ShowEntrance();
    }

    TApp& App() const { return window->Proxy().App(); }
    TPX_FormDungEnt& Proxy() const {
        return static_cast<TPX_FormDungEnt&>(IEntranceScreen::Instance());
    }
    TFormDungEnt& Form() const { return *Proxy().Form(); }
    QStringList Texts(const QListWidget& list) const {
        QStringList texts;
        for (int row = 0; row < list.count(); ++row) {
            texts << list.item(row)->text();
        }
        return texts;
    }
    // The deleted window is gone once the event loop has run.
    void Settle() const { ProcessEventsFor(10); }
};

TEST_F(FormDungEnt, StandsAsDesignedOverTheMainWindowWithAreaZeroOnly) {
    Leave();
    ASSERT_TRUE(Proxy().IsOpen());
    QMdiSubWindow& child = *Proxy().Window();
    EXPECT_EQ(child.windowTitle(), QStringLiteral("ダンジョン入口"));
    EXPECT_EQ(Form().size(), QSize(284, 189));
    EXPECT_EQ(Form().ComboBox1()->geometry(), QRect(22, 22, 153, 24));
    EXPECT_EQ(Form().ListBox1()->geometry(), QRect(22, 66, 153, 97));
    EXPECT_EQ(Form().Button1()->geometry(), QRect(192, 96, 81, 29));
    EXPECT_EQ(Form().Button1()->text(), QStringLiteral("決定"));
    EXPECT_EQ(Form().Button2()->geometry(), QRect(192, 138, 81, 25));
    EXPECT_EQ(Form().Button2()->text(), QStringLiteral("村へ戻る"));
    EXPECT_FALSE(child.windowFlags() & Qt::WindowCloseButtonHint);

    const QSize main = window->size();
    const int top = main.height() / 2 - child.height() / 2;
    EXPECT_EQ(child.pos(),
              QPoint(main.width() / 2 - child.width() / 2, top > 0 ? top / 3 * 2 : top));

    EXPECT_EQ(Form().ComboBox1()->count(), 1);
    EXPECT_EQ(Form().ComboBox1()->currentText(), QStringLiteral("はじまりの地"));
    EXPECT_EQ(Texts(*Form().ListBox1()),
              (QStringList{QStringLiteral("試しの洞窟"), QStringLiteral("修練の間"),
                           QStringLiteral("剣の間")}));
    EXPECT_FALSE(App().DungOperator().CanStart());
}

TEST_F(FormDungEnt, EveryDungeonRowHoldsItsNameWithRoomAroundItAndAllShowAtOnce) {
    Leave({1});
    Settle();
    const QListWidget& dungeons = *Form().ListBox1();
    ASSERT_EQ(dungeons.count(), 3);
    const int textHeight = QFontMetrics(dungeons.font()).height();
    const QRect shown = dungeons.viewport()->rect();
    for (int row = 0; row < dungeons.count(); ++row) {
        const QRect rect = dungeons.visualItemRect(dungeons.item(row));
        EXPECT_GE(rect.height(), textHeight + 4) << "row " << row;
        EXPECT_TRUE(shown.contains(rect)) << "row " << row;
    }
}

TEST_F(FormDungEnt, NeitherDecideWithoutADungeonNorClosingLeavesTheScreen) {
    Leave();
    QTest::mouseClick(Form().Button1(), Qt::LeftButton);
    EXPECT_FALSE(Proxy().Window()->close());
    Settle();
    ASSERT_TRUE(Proxy().IsOpen());
    EXPECT_EQ(App().DungOperator().Whereabouts(), THeroWhereabouts::Entrance);
}

TEST_F(FormDungEnt, TheOpenedAreaIsPreselectedAndItsChosenDungeonEntered) {
    Leave({1});
    QComboBox& areas = *Form().ComboBox1();
    ASSERT_EQ(areas.count(), 2);
    EXPECT_EQ(areas.currentIndex(), 1);
    EXPECT_EQ(Texts(*Form().ListBox1()),
              (QStringList{QStringLiteral("風の塔"), QStringLiteral("試しの洞窟"),
                           QStringLiteral("宝の洞窟")}));

    QListWidget& dungeons = *Form().ListBox1();
    // The list lays its items out when the event loop runs.
    Settle();
    const QRect second = dungeons.visualItemRect(dungeons.item(1));
    // A double click as the platform delivers it: a click, then the second
    // press as a double click, and its release.
    QWidget& viewport = *dungeons.viewport();
    QTest::mouseClick(&viewport, Qt::LeftButton, {}, second.center());
    const QPointF at = second.center();
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, viewport.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&viewport, &twice);
    Settle();
    EXPECT_FALSE(Proxy().IsOpen());
    TDungOperator& dungOperator = App().DungOperator();
    EXPECT_EQ(dungOperator.Whereabouts(), THeroWhereabouts::Dungeon);
    const auto& gameWindow = static_cast<const TPX_FormGame&>(IGameWindow::Instance());
    ASSERT_TRUE(gameWindow.HasWindow());
    EXPECT_EQ(gameWindow.Window()->windowTitle(), QStringLiteral("試しの洞窟 地下 1階"));
}

TEST_F(FormDungEnt, TheWayBackReturnsToTheVillageSquare) {
    Leave();
    QTest::mouseClick(Form().Button2(), Qt::LeftButton);
    Settle();
    EXPECT_FALSE(Proxy().IsOpen());
    EXPECT_EQ(App().DungOperator().Whereabouts(), THeroWhereabouts::Village);
    const auto& gameWindow = static_cast<const TPX_FormGame&>(IGameWindow::Instance());
    ASSERT_TRUE(gameWindow.HasWindow());
    EXPECT_EQ(gameWindow.Window()->windowTitle(), QStringLiteral("ルメナ村"));
}

} // namespace
