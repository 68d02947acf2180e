#include "shell/App.h"

#include "anim/Acterfactory.h"
#include "platform/GameError.h"
#include "platform/IniFile.h"
#include "platform/SjisText.h"
#include "scene/Dx7factory.h"
#include "scene/I3DEngine.h"
#include "scene/Objefactory.h"
#include "shell/Dungoperator.h"
#include "shell/Thr_game.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "support/qt/EventLoop.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

struct TSettings {
    int level;
    int page;
    int entry;
};

TSettings ReadSettingsFile(const std::string& path) {
    const TIniFile ini(path);
    return {ini.ReadInteger(Sjis("スレッド"), Sjis("割り込みレベル"), -100),
            ini.ReadInteger(Sjis("セーブフォーム"), Sjis("ページ"), -100),
            ini.ReadInteger(Sjis("セーブフォーム"), Sjis("インデクス"), -100)};
}

void WriteSettingsFile(const std::string& path, TSettings settings) {
    TIniFile ini(path);
    ini.WriteInteger(Sjis("スレッド"), Sjis("割り込みレベル"), settings.level);
    ini.WriteInteger(Sjis("セーブフォーム"), Sjis("ページ"), settings.page);
    ini.WriteInteger(Sjis("セーブフォーム"), Sjis("インデクス"), settings.entry);
    ini.Save();
}

} // namespace

using AppSettings = ShellTest;

TEST_F(AppSettings, NoFileGivesTheDefaultsAndExitCreatesIt) {
    TApp& app = OpenWindow().Proxy().App();
    EXPECT_EQ(app.ThreadLevel(), 1);
    EXPECT_EQ(app.SavePage(), 1);
    EXPECT_EQ(app.SaveEntry(), -1);
    EXPECT_TRUE(PriorityItem(QStringLiteral("標準"))->isChecked());
    EXPECT_EQ(TThr_Game::Instance().Priority(), TThreadPriority::Lower);
    window.reset();
    const TSettings written = ReadSettingsFile(SettingsFile());
    EXPECT_EQ(written.level, 1);
    EXPECT_EQ(written.page, 1);
    EXPECT_EQ(written.entry, -1);
}

TEST_F(AppSettings, StoredValuesComeBackAndChangesAreWritten) {
    WriteSettingsFile(SettingsFile(), {2, 3, 7});
    TApp& app = OpenWindow().Proxy().App();
    EXPECT_EQ(app.ThreadLevel(), 2);
    EXPECT_EQ(app.SavePage(), 3);
    EXPECT_EQ(app.SaveEntry(), 7);
    EXPECT_TRUE(PriorityItem(QStringLiteral("低め"))->isChecked());
    EXPECT_EQ(TThr_Game::Instance().Priority(), TThreadPriority::Lowest);
    PriorityItem(QStringLiteral("高め"))->trigger();
    window.reset();
    const TSettings written = ReadSettingsFile(SettingsFile());
    EXPECT_EQ(written.level, 0);
    EXPECT_EQ(written.page, 3);
    EXPECT_EQ(written.entry, 7);
}

TEST_F(AppSettings, LevelsOutsideTheMenuCheckNothingOrStandard) {
    struct TCase {
        int level;
        const char16_t* checked; // nullptr: no item checked
    };
    for (const TCase c : {TCase{3, nullptr}, TCase{-1, u"標準"}}) {
        WriteSettingsFile(SettingsFile(), {c.level, 1, -1});
        OpenWindow();
        QAction* checked = PriorityItem(QStringLiteral("高め"))->actionGroup()->checkedAction();
        if (c.checked) {
            ASSERT_NE(checked, nullptr) << c.level;
            EXPECT_EQ(checked->text(), QString::fromUtf16(c.checked));
        } else {
            EXPECT_EQ(checked, nullptr) << c.level;
        }
        EXPECT_EQ(TThr_Game::Instance().Priority(), TThreadPriority::Lower) << c.level;
        window.reset();
    }
}

using AppFactories = ShellTest;

TEST_F(AppFactories, ComeWithTheAppAndMakeActersUntilItGoes) {
    TApp& app = OpenWindow().Proxy().App();
    ASSERT_TRUE(TDX7Factory::HasInstance());
    ASSERT_TRUE(TObjeFactory::HasInstance());
    ASSERT_TRUE(TActerFactory::HasInstance());
    EXPECT_TRUE(TObjeFactory::Instance().HasObje(1));
    const auto acter = TActerFactory::Instance().CreateActer(1);
    ASSERT_NE(acter, nullptr);
    app.DungOperator().Engine().BeginFrame();
    app.DungOperator().Engine().EndFrame();
    window.reset();
    EXPECT_FALSE(TDX7Factory::HasInstance());
    EXPECT_FALSE(TObjeFactory::HasInstance());
    EXPECT_FALSE(TActerFactory::HasInstance());
}

TEST_F(AppFactories, ABrokenDataFileStopsTheWindowNamingTheFileAndLeavesNothingBehind) {
    struct TCase {
        const char* file;
        bool truncate; // false: the file is missing
    };
    for (const TCase c : {TCase{"Data/GrphData", false}, TCase{"Data/GrphData", true},
                          TCase{"Data/ObjeData", false}, TCase{"Data/MoveStepData", true}}) {
        const auto path = folder.Path() / c.file;
        if (c.truncate) {
            const auto size = std::filesystem::file_size(path);
            std::filesystem::resize_file(path, size / 2 + 1);
        } else {
            std::filesystem::remove(path);
        }
        try {
            OpenWindow();
            ADD_FAILURE() << c.file << " " << c.truncate << ": the window opened";
        } catch (const TGameError& e) {
            EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos)
                << SjisToUtf8(e.what());
        }
        EXPECT_FALSE(TDX7Factory::HasInstance()) << c.file;
        EXPECT_FALSE(TObjeFactory::HasInstance()) << c.file;
        EXPECT_FALSE(TActerFactory::HasInstance()) << c.file;
        InstallTestContent(folder.Path());
    }
    OpenWindow();
    EXPECT_TRUE(TActerFactory::HasInstance()) << "whole content again: the window opens";
}

using MainMenu = ShellTest;

TEST_F(MainMenu, ItemsStandInTheirMenusWithTheirCaptions) {
    OpenWindow();
    QStringList bar;
    for (QAction* top : window->menuBar()->actions()) {
        bar << top->text();
    }
    EXPECT_EQ(bar, (QStringList{QStringLiteral("ファイル"), QStringLiteral("やり直し..."),
                                QStringLiteral("設定"), QStringLiteral("ヘルプ")}));
    const auto itemsOf = [&](const QString& menu) {
        QStringList items;
        for (QAction* item : Find(window->menuBar()->actions(), menu)->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        return items;
    };
    EXPECT_EQ(itemsOf(QStringLiteral("ファイル")),
              (QStringList{QStringLiteral("スタート"), QStringLiteral("-"),
                           QStringLiteral("セーブ..."), QStringLiteral("ロード..."),
                           QStringLiteral("-"), QStringLiteral("ゲーム終了")}));
    EXPECT_EQ(itemsOf(QStringLiteral("ヘルプ")),
              (QStringList{QStringLiteral("遊び方"), QStringLiteral("-"),
                           QStringLiteral("バージョン情報")}));
    EXPECT_EQ(itemsOf(QStringLiteral("設定")),
              (QStringList{QStringLiteral("繰り返し処理割り込みレベル")}));
    int tag = 0;
    for (const QString& level :
         {QStringLiteral("高め"), QStringLiteral("標準"), QStringLiteral("低め")}) {
        QAction* item = PriorityItem(level);
        ASSERT_NE(item, nullptr) << level.toStdString();
        EXPECT_TRUE(item->isCheckable());
        EXPECT_EQ(item->data().toInt(), tag++);
    }
}

TEST_F(MainMenu, ClickingTheCheckedPriorityDoesNothing) {
    WriteSettingsFile(SettingsFile(), {-1, 1, -1});
    TApp& app = OpenWindow().Proxy().App();
    PriorityItem(QStringLiteral("標準"))->trigger();
    EXPECT_EQ(app.ThreadLevel(), -1) << "the checked item must not apply its level";
    EXPECT_TRUE(PriorityItem(QStringLiteral("標準"))->isChecked());
}

TEST_F(MainMenu, ClickingAnotherPriorityAppliesItAndMovesTheCheck) {
    TApp& app = OpenWindow().Proxy().App();
    PriorityItem(QStringLiteral("低め"))->trigger();
    EXPECT_EQ(app.ThreadLevel(), 2);
    EXPECT_EQ(TThr_Game::Instance().Priority(), TThreadPriority::Lowest);
    EXPECT_TRUE(PriorityItem(QStringLiteral("低め"))->isChecked());
    EXPECT_FALSE(PriorityItem(QStringLiteral("標準"))->isChecked());
    PriorityItem(QStringLiteral("高め"))->trigger();
    EXPECT_EQ(TThr_Game::Instance().Priority(), TThreadPriority::Normal);
}

TEST_F(MainMenu, QuitAsksAndOnlyYesClosesTheWindow) {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    OpenWindow().show();
    seam->answers = {AnswerNo, AnswerNone, AnswerYes};
    QAction* quit = MenuItem(QStringLiteral("ファイル"), QStringLiteral("ゲーム終了"));
    quit->trigger();
    quit->trigger();
    EXPECT_TRUE(window->isVisible());
    quit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(seam->questions, std::vector<std::string>(3, Sjis("ゲームを終了しますか？")));
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

TEST_F(MainMenu, HelpWithoutItsFileSaysSo) {
    OpenWindow();
    MenuItem(QStringLiteral("ヘルプ"), QStringLiteral("遊び方"))->trigger();
    EXPECT_EQ(seam->messages,
              std::vector<std::string>{Sjis("ファイルが見つかりません Tessarine.hlp")});
}
