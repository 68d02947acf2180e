#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/FakeActiveMap.h"
#include "shell/qt/Automappicture.h"
#include "shell/qt/Cursortable.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Gamecontrols.h"
#include "shell/qt/Memoex.h"
#include "shell/qt/Px_formgame.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "world/Automapcanvas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

using TOrder = std::pair<DA_State, int>;
const TOrder NoOrder{das_Null, -1};
const TOrder Stop{das_Wait, 0};

// The real game window on a dungeon floor whose heroine shows the last order
// that reached her; keys and pointer buttons are Qt's own events.
class GameWindow : public ShellTest {
protected:
    GameWindow() {
        OpenWindow().show();
        // No window manager runs under Xvfb: the window activates itself.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->CloseTitle();
        dungOperator = &window->Proxy().App().DungOperator();
        Enter();
    }

    void Enter() {
        dungOperator->EnterScene(
            [this] {
                auto made = std::make_unique<TFakeActiveMap>(1);
                map = made.get();
                return made;
            },
            THeroWhereabouts::Dungeon);
        map->heroine.ClearOrder();
    }

    TPX_FormGame& Proxy() const { return static_cast<TPX_FormGame&>(IGameWindow::Instance()); }
    TFormDung& Form() const { return *Proxy().Form(); }
    template <typename T = QWidget> T* Control(const char* name) const {
        T* found = Form().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TOrder Order() const {
        const DA_State id = map->heroine.Order();
        const int dir = id == das_Null ? -1 : map->heroine.OrderDirection();
        map->heroine.ClearOrder();
        return {id, dir};
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyPress(&Form(), static_cast<Qt::Key>(key), modifiers);
    }
    void Release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyRelease(&Form(), static_cast<Qt::Key>(key), modifiers);
    }

    TDungOperator* dungOperator = nullptr;
    TFakeActiveMap* map = nullptr;
};

TEST_F(GameWindow, EveryControlAtItsPlace) {
    const std::pair<const char*, QRect> places[] = {
        {"Panel3", {0, 0, 491, 504}},         {"Panel4", {214, 100, 97, 27}},
        {"Panel5", {146, 112, 223, 27}},      {"Panel1", {120, 392, 363, 93}},
        {"Memo1", {1, 1, 306, 91}},           {"Panel2", {307, 1, 55, 91}},
        {"ListBox1", {348, 302, 135, 83}},    {"Image1", {494, 6, 300, 250}},
        {"GroupBox2", {650, 394, 137, 107}},  {"Image2", {62, 80, 67, 22}},
        {"Panel6", {502, 262, 137, 239}},     {"SpeedButton2", {50, 116, 38, 38}},
        {"SpeedButton6", {88, 116, 38, 38}},  {"SpeedButton3", {88, 154, 38, 38}},
        {"SpeedButton7", {88, 192, 38, 38}},  {"SpeedButton4", {50, 192, 38, 38}},
        {"SpeedButton8", {12, 192, 38, 38}},  {"SpeedButton5", {12, 154, 38, 38}},
        {"SpeedButton9", {12, 116, 38, 38}},  {"SpeedButton1", {50, 154, 38, 38}},
        {"SpeedButton10", {12, 42, 115, 27}}, {"SpeedButton11", {12, 10, 57, 23}},
        {"SpeedButton13", {70, 10, 57, 23}},  {"Panel7", {12, 80, 115, 29}},
    };
    for (const auto& [name, place] : places) {
        if (const QWidget* control = Control(name)) {
            EXPECT_EQ(control->geometry(), place) << name;
        }
    }
    EXPECT_EQ(Form().height(), 504);
    EXPECT_EQ(Form().Panel4()->parentWidget(), Form().Panel3()) << "notices lie in the 3D view";
    EXPECT_EQ(Form().Memo1()->parentWidget(), Form().Panel1());

    const std::pair<const char*, const char*> captions[] = {
        {"SpeedButton2", "↑"},         {"SpeedButton6", "／"},      {"SpeedButton3", "→"},
        {"SpeedButton7", "＼"},        {"SpeedButton4", "↓"},       {"SpeedButton8", "／"},
        {"SpeedButton5", "←"},         {"SpeedButton9", "＼"},      {"SpeedButton1", "◆"},
        {"SpeedButton10", "アイテム"}, {"SpeedButton11", "セーブ"}, {"SpeedButton13", "ロード"},
        {"SpeedButton12", "クリア"},
    };
    for (const auto& [name, caption] : captions) {
        if (const auto* button = Control<QAbstractButton>(name)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(caption)) << name;
        }
    }
    EXPECT_EQ(Control<QLabel>("Panel2")->text(), QStringLiteral("▼"));
    EXPECT_EQ(Control<QLabel>("Panel7")->text(), QStringLiteral("高速モード"));
    EXPECT_EQ(Control<QGroupBox>("GroupBox1")->title(), QStringLiteral("プロパティ"));
    EXPECT_EQ(Control<QGroupBox>("GroupBox2")->title(), QStringLiteral("外部プロパティ"))
        << "nothing is looked at";
    EXPECT_EQ(Control<QLabel>("Label11")->text(), QStringLiteral("HP"));
    for (const char* name :
         {"Label6", "Label7", "Label8", "Label9", "Label10", "Label23", "Label16", "Label17",
          "Label18", "Label19", "LabelAtkCan", "LabelDefCan"}) {
        Control(name);
    }
}

TEST_F(GameWindow, FontsAndColoursAsDesigned) {
    const std::tuple<const char*, int, bool> fonts[] = {
        {"Panel4", 15, true},     {"Panel5", 15, true},        {"Memo1", 19, true},
        {"Panel2", 19, true},     {"ListBox1", 16, true},      {"GroupBox1", 16, false},
        {"GroupBox2", 16, false}, {"SpeedButton1", 24, false}, {"SpeedButton10", 12, false},
    };
    for (const auto& [name, size, bold] : fonts) {
        if (const QWidget* control = Control(name)) {
            EXPECT_EQ(control->font().pixelSize(), size) << name;
            EXPECT_EQ(control->font().bold(), bold) << name;
        }
    }
    EXPECT_EQ(Form().font().pixelSize(), 12);
    EXPECT_EQ(Form().font().family(), QStringLiteral("ＭＳ Ｐゴシック"));

    const QColor red(255, 0, 0), navy(0, 0, 128);
    const std::tuple<const char*, QColor, QColor> colours[] = {
        {"Label8", red, Qt::white},       {"Label9", navy, Qt::white},
        {"Label18", navy, Qt::white},     {"Label19", red, Qt::white},
        {"Memo1", Qt::black, Qt::white},  {"ListBox1", Qt::black, Qt::white},
        {"Panel4", Qt::black, Qt::white}, {"Image2", Qt::black, Qt::white},
    };
    for (const auto& [name, background, text] : colours) {
        if (const QWidget* control = Control(name)) {
            EXPECT_EQ(control->palette().color(control->backgroundRole()), background) << name;
            EXPECT_EQ(control->palette().color(control->foregroundRole()), text) << name;
        }
    }
    EXPECT_EQ(Form().Memo1()->Margins(), (TMemoEx::TMargins{5, 3, 2, 3}));
    EXPECT_FALSE(Form().Memo1()->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(Form().ListBox1()->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(Form().Memo1()->isReadOnly());
}

TEST_F(GameWindow, AttachedWithTheTalkTheChoicesAndTheNoticesHidden) {
    for (const char* name : {"Panel1", "ListBox1", "Panel4", "Panel5", "Image1"}) {
        EXPECT_FALSE(Control(name)->isVisible()) << name;
    }
    ASSERT_TRUE(Form().isVisible());
    EXPECT_TRUE(Form().Panel3()->isVisible());
    EXPECT_TRUE(Form().hasFocus()) << "the window takes the keyboard";
    const TViewParams view = Proxy().ViewParams();
    EXPECT_EQ(view.window, Form().Panel3());
    EXPECT_EQ(view.width, 491);
    EXPECT_EQ(view.height, 504);
    EXPECT_EQ(Proxy().ViewSize(), (TViewSize{491, 504}));
}

TEST_F(GameWindow, TheLayoutIsNarrowWithoutTheAutomapAndWideWithItCentredOnTheMainWindow) {
    QMdiSubWindow& sub = *Proxy().Window();
    for (const bool automap : {false, true}) {
        Proxy().ArrangeLayout(automap);
        const int width = automap ? 805 : 657;
        EXPECT_EQ(sub.width(), width);
        EXPECT_EQ(sub.x(), window->width() / 2 - width / 2);
        const int top = window->height() / 2 - sub.height() / 2;
        EXPECT_EQ(sub.y(), top > 0 ? top / 3 * 2 : top);
        EXPECT_EQ(Form().GroupBox1()->pos(), automap ? QPoint(650, 262) : QPoint(502, 109));
        EXPECT_EQ(Form().Image1()->isVisible(), automap);
        // Everything the layout shows lies inside the window.
        const QWidget* lastShown =
            automap ? static_cast<QWidget*>(Form().Image1()) : Control("Panel6");
        EXPECT_LE(lastShown->geometry().right(), Form().width() - 1);
    }
}

TEST_F(GameWindow, AHeldArrowWalksOnWhenAnotherArrowIsReleased) {
    Press(Qt::Key_Up);
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, DW_North));
    Press(Qt::Key_Right);
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, DW_East));
    Release(Qt::Key_Right);
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, DW_North));

    // A held key repeats; its repeated releases are not the real one.
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&Form(), &repeated);
    EXPECT_EQ(Order(), NoOrder);
    Press(Qt::Key_Up);
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, DW_North));
    Release(Qt::Key_Up);
    EXPECT_EQ(Order(), Stop);
}

TEST_F(GameWindow, TheKeypadWalksInEightDirectionsAndItsFiveDoesNothing) {
    const std::pair<int, int> pad[] = {
        {Qt::Key_8, 0}, {Qt::Key_6, 1}, {Qt::Key_2, 2}, {Qt::Key_4, 3},  {Qt::Key_9, 4},
        {Qt::Key_3, 5}, {Qt::Key_1, 6}, {Qt::Key_7, 7}, {Qt::Key_Up, 0}, {Qt::Key_Home, 7}};
    for (const auto& [key, dir] : pad) {
        Press(key, Qt::KeypadModifier);
        EXPECT_EQ(Order(), TOrder(das_MoveOrder, dir)) << key;
        Release(key, Qt::KeypadModifier);
        EXPECT_EQ(Order(), Stop) << key;
    }
    Press(Qt::Key_8);
    EXPECT_EQ(Order(), NoOrder) << "the main row's 8 is not a direction";
    for (const int five : {Qt::Key_5, Qt::Key_Clear}) {
        Press(five, Qt::KeypadModifier);
        Release(five, Qt::KeypadModifier);
        EXPECT_EQ(Order(), NoOrder) << "keypad 5 does not stop her";
    }
}

TEST_F(GameWindow, CtrlAndTheRightButtonTakeTheOtherPaceAndFastModeInvertsBoth) {
    TPanel& fastMode = *Form().Panel7();
    for (const bool fast : {false, true}) {
        EXPECT_EQ(Proxy().FastMode(), fast);
        EXPECT_EQ(fastMode.OuterBevel(), fast ? TBevel::Lowered : TBevel::Raised);
        EXPECT_EQ(fastMode.font().bold(), fast);
        EXPECT_EQ(fastMode.palette().color(QPalette::Window),
                  fast ? QColor(0, 0, 128) : QColor(166, 202, 240));
        EXPECT_EQ(fastMode.palette().color(QPalette::WindowText), fast ? Qt::yellow : Qt::black);
        const DA_State walk = fast ? das_Dash : das_MoveOrder;
        const DA_State other = fast ? das_MoveOrder : das_Dash;

        Press(Qt::Key_Down);
        EXPECT_EQ(Order(), TOrder(walk, DW_South));
        Press(Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(Order(), TOrder(other, DW_South));
        Release(Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(Order(), Stop);

        auto* northEast = Control<QAbstractButton>("SpeedButton6");
        QTest::mousePress(northEast, Qt::LeftButton);
        EXPECT_EQ(Order(), TOrder(walk, DW_NorthEast));
        QTest::mouseRelease(northEast, Qt::LeftButton);
        EXPECT_EQ(Order(), Stop);
        QTest::mousePress(northEast, Qt::RightButton);
        EXPECT_EQ(Order(), TOrder(other, DW_NorthEast));
        EXPECT_TRUE(northEast->isDown());
        QTest::mouseRelease(northEast, Qt::RightButton);
        EXPECT_EQ(Order(), Stop);
        EXPECT_FALSE(northEast->isDown());

        if (!fast) {
            QTest::mouseClick(&fastMode, Qt::LeftButton);
        }
    }
    Release(Qt::Key_Z);
    EXPECT_FALSE(Proxy().FastMode()) << "Z turns it over too";
}

TEST_F(GameWindow, TheActionButtonAndTheSpaceKeyAct) {
    auto* action = Control<QAbstractButton>("SpeedButton1");
    QTest::mousePress(action, Qt::LeftButton);
    EXPECT_EQ(Order().first, das_ActOrder);
    QTest::mouseRelease(action, Qt::LeftButton);
    EXPECT_EQ(Order(), Stop);
    Press(Qt::Key_Space);
    EXPECT_EQ(Order().first, das_ActOrder);
    Release(Qt::Key_Space);
    EXPECT_EQ(Order(), Stop);
}

TEST_F(GameWindow, TheTalkBoxWithItsMarginsAndContinueMarkerAndTheChoices) {
    Proxy().ShowTalk(Sjis("ようこそ、旅の方。\r\n北の洞窟には近づかないように。"), false);
    EXPECT_TRUE(Form().Panel1()->isVisible());
    EXPECT_TRUE(Form().Panel2()->isVisible());
    EXPECT_EQ(Form().Memo1()->toPlainText(),
              QStringLiteral("ようこそ、旅の方。\n北の洞窟には近づかないように。"));
    // The first character starts inside the margins.
    const QRect first = Form().Memo1()->cursorRect(QTextCursor(Form().Memo1()->document()));
    EXPECT_EQ(first.left(), 5);
    EXPECT_EQ(first.top(), 3);
    Proxy().ShowTalk(Sjis("さようなら。"), true);
    EXPECT_FALSE(Form().Panel2()->isVisible()) << "no marker on the last line";

    // Text longer than the box scrolls, and the box tells of it.
    Proxy().ShowTalk(Sjis("一\r\n二\r\n三\r\n四\r\n五\r\n六\r\n七"), false);
    QSignalSpy scrolled(Form().Memo1(), &TMemoEx::scrolled);
    Form().Memo1()->moveCursor(QTextCursor::End);
    EXPECT_GE(scrolled.count(), 1);

    Proxy().ShowChoices({Sjis("はい"), Sjis("いいえ")});
    QListWidget& choices = *Form().ListBox1();
    ASSERT_TRUE(choices.isVisible());
    ASSERT_EQ(choices.count(), 2);
    EXPECT_EQ(choices.item(1)->text(), QStringLiteral("いいえ"));
    EXPECT_EQ(choices.visualItemRect(choices.item(1)).height(), 18);
    QTest::mouseClick(choices.viewport(), Qt::LeftButton, Qt::NoModifier,
                      choices.visualItemRect(choices.item(1)).center());
    EXPECT_FALSE(choices.isVisible());

    // A command once the talk is over puts the talk box away.
    Press(Qt::Key_Left);
    EXPECT_FALSE(Form().Panel1()->isVisible());
}

TEST_F(GameWindow, NoticesShowOverTheViewInTheirColours) {
    Proxy().ShowLevelUp(true);
    EXPECT_TRUE(Form().Panel4()->isVisible());
    EXPECT_EQ(Form().Panel4()->text(), QStringLiteral("レベルアップ"));
    EXPECT_EQ(Form().Panel4()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    Proxy().ShowLevelUp(false);
    EXPECT_FALSE(Form().Panel4()->isVisible());
    Proxy().ShowLevelReached(4, true);
    EXPECT_EQ(Form().Panel5()->text(), QStringLiteral("レベル 4 になった"));
    EXPECT_EQ(Form().Panel5()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    Proxy().ShowRemark("");
    EXPECT_FALSE(Form().Panel5()->isVisible());
}

TEST_F(GameWindow, TheAutomapDrawsItsTilesIntoThePictureWhileThereIsAWindow) {
    IAutomapCanvas& target = Proxy().AutomapTarget();
    EXPECT_EQ(target.PictureWidth(), 300);
    EXPECT_EQ(target.PictureHeight(), 250);
    target.FillRect(0, 0, 300, 250, 0xD5C0A8);
    target.DrawTile(0, 10, 5);
    target.DrawTile(55, 15, 5);
    const QImage& picture = Form().Image1()->Picture();
    const QImage heroine = Form().ImageList1()[0].toImage();
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(picture.pixel(10 + x, 5 + y), heroine.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(picture.pixel(17, 7), QColor(213, 192, 168).rgb()) << "tile 55 does not exist";
    EXPECT_EQ(picture.pixel(299, 249), QColor(213, 192, 168).rgb());

    dungOperator->CloseGameWindow();
    QApplication::processEvents();
    EXPECT_EQ(target.PictureWidth(), 0);
    target.DrawTile(0, 0, 0);
}

TEST_F(GameWindow, PicturesAreCutIntoTheirTiles) {
    ASSERT_EQ(Form().ImageList1().size(), 55u);
    ASSERT_EQ(Form().ImageList2().size(), 6u);
    EXPECT_EQ(Form().ImageList1()[54].size(), QSize(5, 5));
    EXPECT_EQ(Form().ImageList2()[5].size(), QSize(35, 22));

    dungOperator->CloseGameWindow();
    std::filesystem::remove(folder.Path() / "Graph" / "攻撃防御.bmp");
    try {
        Enter();
        FAIL() << "a window without its pictures";
    } catch (const TGameError& error) {
        EXPECT_NE(std::string(error.what()).find(Sjis("Graph/攻撃防御.bmp")), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(Proxy().HasWindow());
}

TEST_F(GameWindow, ThePointerOverTheViewWalksTowardItAndItsCursorShowsWhere) {
    QWidget* view = Form().Panel3();
    const auto shows = [view](int number) {
        return view->cursor().pixmap().toImage() ==
               TCursorTable::Instance().Cursor(number).pixmap().toImage();
    };
    // Moves without a button as the window system delivers them: Qt's own
    // test moves go through the screen's cursor and arrive late.
    const auto hover = [view](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    };
    // North of the heroine's place, then held and dragged east.
    hover({245, 100});
    EXPECT_TRUE(shows(1)) << "north";
    EXPECT_EQ(Order(), NoOrder);
    QTest::mousePress(view, Qt::LeftButton, {}, {245, 100});
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, DW_North));
    QTest::mouseMove(view, {400, 210});
    EXPECT_EQ(Order(), TOrder(das_MoveOrder, DW_East)) << "the held walk follows the pointer";
    EXPECT_TRUE(shows(3)) << "east";
    QTest::mouseRelease(view, Qt::LeftButton, {}, {400, 210});
    EXPECT_EQ(Order(), Stop);

    // The other button dashes, in the fast shape.
    hover({100, 400});
    EXPECT_TRUE(shows(6)) << "south-west";
    QTest::mousePress(view, Qt::RightButton, {}, {100, 400});
    EXPECT_EQ(Order(), TOrder(das_Dash, DW_SouthWest));
    EXPECT_TRUE(shows(6 + 8));
    QTest::mouseRelease(view, Qt::RightButton, {}, {100, 400});
    EXPECT_EQ(Order(), Stop);

    // Over the heroine herself a press acts.
    hover({245, 200});
    EXPECT_TRUE(shows(18)) << "Action";
    QTest::mousePress(view, Qt::LeftButton, {}, {245, 200});
    EXPECT_EQ(Order().first, das_ActOrder);
    QTest::mouseRelease(view, Qt::LeftButton, {}, {245, 200});
    EXPECT_EQ(Order(), Stop);

    // In fast mode the arrows take their fast shape.
    QTest::mouseClick(Form().Panel7(), Qt::LeftButton);
    hover({245, 100});
    EXPECT_TRUE(shows(1 + 8));
}

TEST_F(GameWindow, TheComparisonPictureIsDrawnFromItsTilesWithTheNumbersOverIt) {
    auto* picture = Control<QLabel>("Image2");
    EXPECT_FALSE(picture->isVisibleTo(&Form())) << "nothing looked at";
    Proxy().ShowComparison(TComparisonPicture{4, 3});
    Proxy().SetStatusText(TStatusLabel::AttackMargin, "2");
    Proxy().SetStatusText(TStatusLabel::LookedCaption, Sjis("スライム"));
    ASSERT_TRUE(picture->isVisibleTo(&Form()));
    const QImage drawn = picture->pixmap().toImage();
    const auto tile = [&](int index, int width) {
        return Form()
            .ImageList2()[static_cast<std::size_t>(index)]
            .toImage()
            .convertToFormat(drawn.format())
            .copy(0, 0, width, 22);
    };
    EXPECT_EQ(drawn.copy(0, 0, 35, 22), tile(4, 35)) << "the left half";
    EXPECT_EQ(drawn.copy(35, 0, 32, 22), tile(3, 32)) << "the right half, cut by the picture";
    EXPECT_EQ(Control<QLabel>("LabelAtkCan")->text(), QStringLiteral("2"));
    EXPECT_EQ(Control<QGroupBox>("GroupBox2")->title(), QStringLiteral("スライム"));
    Proxy().ShowComparison(TComparisonPicture{});
    EXPECT_EQ(picture->pixmap().toImage().pixelColor(10, 10), QColor(Qt::black)) << "cleared";
    Proxy().ShowComparison(std::nullopt);
    EXPECT_FALSE(picture->isVisibleTo(&Form()));
}

TEST_F(GameWindow, WithoutAWindowItsQueriesAnswerNothing) {
    dungOperator->CloseGameWindow();
    EXPECT_FALSE(Proxy().CloseWindow());
    EXPECT_EQ(Proxy().ViewSize(), std::nullopt);
    EXPECT_EQ(Proxy().ViewParams().window, nullptr);
}

} // namespace
