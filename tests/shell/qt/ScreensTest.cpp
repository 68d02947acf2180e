#include "platform/SjisText.h"
#include "platform/VirtualTimers.h"
#include "shell/App.h"
#include "shell/qt/Background.h"
#include "shell/qt/Fm_about.h"
#include "shell/qt/Fm_ending.h"
#include "shell/qt/Fm_msgdialog.h"
#include "shell/qt/Fm_prolog.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "support/qt/EventLoop.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

TEST(DisplayCheck, OnlySixteenBitsPerPixelIsAccepted) {
    for (const int depth : {8, 15, 24, 32}) {
        EXPECT_FALSE(DisplayDepthAccepted(depth)) << depth;
    }
    EXPECT_TRUE(DisplayDepthAccepted(16));
}

TEST(Background, TileIsStampedInStaggeredRows) {
    const auto stamps = BackgroundStamps(QSize(1280, 1024), QSize(115, 94));
    // Rows 0, 2, ..., 10 of 11; 13 copies each, 264 pixels apart.
    ASSERT_EQ(stamps.size(), 6u * 13u);
    EXPECT_EQ(stamps[0], QPoint(0, 0));
    EXPECT_EQ(stamps[1], QPoint(264, 0));
    EXPECT_EQ(stamps[12], QPoint(264 * 12, 0));
    EXPECT_EQ(stamps[13], QPoint(-132, 188)) << "row 2 shifted left by half a step";
    EXPECT_EQ(stamps[26], QPoint(0, 376));
}

TEST(Background, TileColourOfTheCornerIsTransparent) {
    // Colours a 16-bit screen holds exactly.
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(QColor(0, 0, 255));
    tile.setPixelColor(1, 1, QColor(255, 0, 0));
    const QImage drawn = DrawMainBackground(tile, QSize(8, 8)).toImage();
    EXPECT_EQ(drawn.pixelColor(1, 1), QColor(255, 0, 0));
    EXPECT_EQ(drawn.pixelColor(5, 5), QColor(0, 0, 255));
}

TEST(QuestionDialog, AnswersOneForYesTwoForNoZeroWhenClosed) {
    TFormMsgDialog dialog;
    struct TCase {
        std::function<void()> act;
        int answer;
    };
    const TCase cases[] = {{[&] { dialog.YesButton()->click(); }, 1},
                           {[&] { dialog.NoButton()->click(); }, 2},
                           {[&] { dialog.reject(); }, 0}};
    for (const TCase& c : cases) {
        QTimer::singleShot(0, &dialog, c.act);
        EXPECT_EQ(dialog.Ask(Sjis("ゲームを終了しますか？")), c.answer);
        EXPECT_EQ(dialog.Text()->text(), QStringLiteral("ゲームを終了しますか？"));
    }
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("情報"));
    EXPECT_EQ(dialog.YesButton()->text(), QStringLiteral("はい"));
    EXPECT_EQ(dialog.NoButton()->text(), QStringLiteral("いいえ"));
}

using Screens = ShellTest;

TEST_F(Screens, TheGameAsksThroughTheQuestionDialog) {
    window = std::make_unique<TFormMDIMain>(SettingsFile());
    QTimer::singleShot(0, window.get(), [&] { window->MessageDialog().NoButton()->click(); });
    EXPECT_EQ(MessageSeam().Ask(Sjis("脱出して村に戻りますか？")), AnswerNo);
}

TEST_F(Screens, AboutBoxShowsTheVersion) {
    OpenWindow();
    TFormAbout& about = window->AboutBox();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Version"))->text(),
              QStringLiteral("バージョン 1.2"));
    QTimer::singleShot(0, &about, [&] {
        EXPECT_TRUE(about.isVisible());
        about.findChild<QPushButton*>()->click();
    });
    window->Proxy().App().ShowAbout();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(Screens, TitleComesWithTheMainWindowAndRetryIsDisabled) {
    OpenWindow().show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->TitleOpen(); }, 3000));
    QAction* retry = Find(window->menuBar()->actions(), QStringLiteral("やり直し..."));
    EXPECT_FALSE(retry->isEnabled());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("START"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("CONTINUE"));
}

TEST_F(Screens, StartFromTheTitlePlaysThePrologueAndClosingItEndsIt) {
    OpenWindow().show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->TitleOpen(); }, 3000));
    TApp& app = window->Proxy().App();
    app.StartCommand();
    EXPECT_FALSE(window->TitleOpen());
    ASSERT_TRUE(window->StoryOpen());
    auto* prolog = window->findChild<TFormProlog*>();
    ASSERT_NE(prolog, nullptr);
    EXPECT_EQ(prolog->windowTitle(), QStringLiteral("プロローグ"));
    app.StartCommand();
    EXPECT_TRUE(seam->questions.empty()) << "no command while the story plays";
    prolog->close();
    EXPECT_FALSE(window->StoryOpen());
}

TEST_F(Screens, ClosingTheEndingShowsTheTitle) {
    OpenWindow();
    TApp& app = window->Proxy().App();
    app.ShowEnding();
    ASSERT_TRUE(window->StoryOpen());
    auto* ending = window->findChild<TFormEnding*>();
    EXPECT_EQ(ending->windowTitle(), QStringLiteral("エピローグ"));
    ending->close();
    EXPECT_FALSE(window->StoryOpen());
    EXPECT_TRUE(window->TitleOpen());
}

TEST_F(Screens, EveryWindowHasItsCaptionAndClientSize) {
    OpenWindow().show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->TitleOpen(); }, 3000));
    TApp& app = window->Proxy().App();
    QWidget* title = window->Title()->widget();
    app.StartCommand();
    auto* prolog = window->findChild<TFormProlog*>();
    ASSERT_NE(prolog, nullptr);
    struct TCase {
        const char* name;
        const QWidget* form;
        QString caption;
        QSize client;
    };
    const TCase cases[] = {
        {"title", title, QString(), QSize(478, 329)},
        {"prologue", prolog, QStringLiteral("プロローグ"), QSize(303, 186)},
        {"about box", &window->AboutBox(), QStringLiteral("バージョン情報"), QSize(267, 160)},
        {"question", &window->MessageDialog(), QStringLiteral("情報"), QSize(252, 102)},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.form->size(), c.client) << c.name;
        if (!c.caption.isNull()) {
            EXPECT_EQ(c.form->windowTitle(), c.caption) << c.name;
        }
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tessarine"));
    prolog->close();
    app.ShowEnding();
    auto* ending = window->findChild<TFormEnding*>();
    ASSERT_NE(ending, nullptr);
    EXPECT_EQ(ending->size(), QSize(305, 179));
    EXPECT_EQ(ending->windowTitle(), QStringLiteral("エピローグ"));
    EXPECT_TRUE(ending->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(Screens, ControlsStandWhereTheyBelong) {
    OpenWindow().show();
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->TitleOpen(); }, 3000));
    const QWidget* title = window->Title()->widget();
    const TFormMsgDialog& question = window->MessageDialog();
    struct TCase {
        const char* name;
        const QWidget* control;
        QRect place; // an empty size: only the corner is fixed
    };
    const TCase cases[] = {
        {"START", title->findChild<QLabel*>(QStringLiteral("Label1")), QRect(60, 140, 0, 0)},
        {"CONTINUE", title->findChild<QLabel*>(QStringLiteral("Label2")), QRect(364, 140, 0, 0)},
        {"text", question.Text(), QRect(12, 22, 229, 33)},
        {"はい", question.YesButton(), QRect(46, 66, 75, 25)},
        {"いいえ", question.NoButton(), QRect(134, 66, 75, 25)},
    };
    for (const TCase& c : cases) {
        ASSERT_NE(c.control, nullptr) << c.name;
        EXPECT_EQ(c.control->pos(), c.place.topLeft()) << c.name;
        if (!c.place.size().isEmpty()) {
            EXPECT_EQ(c.control->size(), c.place.size()) << c.name;
        }
    }
}

TEST(StoryScreens, ScrollOnePixelEveryFiftyMillisecondsUntilTheirLastTick) {
    struct TCase {
        std::function<TFormStory*(const TIntervalTimerFactory&, std::function<void()>)> make;
        int lastTick;
        int lines;
        int top;
    };
    const TCase cases[] = {{[](const TIntervalTimerFactory& timers, std::function<void()> closed) {
                                return new TFormProlog(nullptr, timers, std::move(closed));
                            },
                            695, 21, -24},
                           {[](const TIntervalTimerFactory& timers, std::function<void()> closed) {
                                return new TFormEnding(nullptr, timers, std::move(closed));
                            },
                            465, 11, -34}};
    for (const TCase& c : cases) {
        // The story's timer runs on a clock the test moves.
        TVirtualTickClock clock;
        TVirtualTimers timers(clock);
        bool closed = false;
        QPointer<TFormStory> story = c.make(timers.Factory(), [&] { closed = true; });
        story->show();
        EXPECT_EQ(story->Lines()->height(), (9 + c.lines + 1) * 24);
        EXPECT_EQ(story->Lines()->y(), c.top);
        const auto runFor = [&](std::uint32_t milliseconds) {
            clock.Advance(milliseconds);
            while (timers.FireNext()) {
            }
        };
        runFor(49);
        EXPECT_EQ(story->Lines()->y(), c.top) << "no tick before 50 ms";
        runFor(1 + 50 * static_cast<std::uint32_t>(c.lastTick - 1));
        EXPECT_FALSE(closed);
        EXPECT_EQ(story->Ticks(), c.lastTick);
        EXPECT_EQ(story->Lines()->y(), c.top - c.lastTick);
        runFor(50);
        EXPECT_TRUE(closed) << c.lastTick + 1 << " ticks";
        EXPECT_FALSE(timers.NextDue().has_value()) << "a closed story's timer stops";
        ProcessEventsUntil([&] { return story.isNull(); }, 1000);
        EXPECT_TRUE(story.isNull()) << "a closed story window is destroyed";
    }
}

TEST(StoryScreens, StoryLinesAreOurs) {
    EXPECT_EQ(TFormProlog::StoryLines().size(), 21);
    EXPECT_EQ(TFormEnding::StoryLines().size(), 11);
    EXPECT_TRUE(TFormProlog::StoryLines().join(QString()).contains(QStringLiteral("ルメナ村")));
}
