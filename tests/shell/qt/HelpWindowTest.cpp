#include "modelgen/HelpPage.h"
#include "shell/App.h"
#include "shell/qt/Fm_help.h"
#include "shell/qt/ShellFixture.h"
#include "support/qt/EventLoop.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Our how-to-play page, laid out in the game folder as the game ships it.
class HelpWindow : public ShellTest {
protected:
    HelpWindow() {
        const auto source = GameContentSources() / "help" / "Tessarine.html";
        WriteHelp(source.string(), folder.Path().string());
    }

    TFormHelp& OpenHelp() {
        MenuItem(QStringLiteral("ヘルプ"), QStringLiteral("遊び方"))->trigger();
        TFormHelp* help = window->HelpWindow();
        EXPECT_NE(help, nullptr);
        return *help;
    }
    static int ScrolledTo(const TFormHelp& help) {
        return help.Browser()->verticalScrollBar()->value();
    }
    // Clicks the page's link with this text, as the player would.
    static void ClickLink(TFormHelp& help, const QString& text) {
        QTextBrowser* browser = help.Browser();
        browser->moveCursor(QTextCursor::Start);
        ASSERT_TRUE(browser->find(text)) << text.toStdString();
        const QRect place = browser->cursorRect();
        browser->moveCursor(QTextCursor::Start);
        const QPoint point(place.left() - 8, place.center().y());
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
    }
};

TEST_F(HelpWindow, OpensOnTheContentsWithEveryPictureOfThePage) {
    OpenWindow();
    TFormHelp& help = OpenHelp();
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.isWindow()) << "it stays beside the game, not inside a modal loop";
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Tessarine 遊び方"));
    EXPECT_EQ(ScrolledTo(help), 0);
    EXPECT_FALSE(help.BackButton()->isEnabled());
    int pictures = 0;
    for (QTextBlock block = help.Browser()->document()->begin(); block.isValid();
         block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat()) {
                const QString name = format.toImageFormat().name();
                const QVariant image =
                    help.Browser()->loadResource(QTextDocument::ImageResource, QUrl(name));
                EXPECT_FALSE(image.isNull()) << name.toStdString();
                ++pictures;
            }
        }
    }
    EXPECT_GT(pictures, 20);
}

TEST_F(HelpWindow, LinksLeadThroughThePageAndBackAndTheHelpReopensOnTheContents) {
    OpenWindow();
    TFormHelp& help = OpenHelp();
    ASSERT_TRUE(ProcessEventsUntil([&] { return help.isVisible(); }, 2000));
    ClickLink(help, QStringLiteral("セーブとロード、やり直し"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return ScrolledTo(help) > 0; }, 2000))
        << "the link to the saving section moves the page";
    const int saving = ScrolledTo(help);
    ASSERT_TRUE(help.BackButton()->isEnabled());
    help.BackButton()->click();
    EXPECT_EQ(ScrolledTo(help), 0);
    help.ForwardButton()->click();
    EXPECT_EQ(ScrolledTo(help), saving);
    help.ContentsButton()->click();
    EXPECT_EQ(ScrolledTo(help), 0);

    help.Browser()->verticalScrollBar()->setValue(saving);
    help.close();
    window->Proxy().App().Help(1);
    EXPECT_EQ(window->HelpWindow(), &help) << "one help window";
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(ScrolledTo(help), 0) << "the help opens on its contents";
    EXPECT_FALSE(help.BackButton()->isEnabled()) << "with a fresh history";
    EXPECT_TRUE(seam->messages.empty());

    QTest::keyClick(help.Browser(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible()) << "Esc puts the help away";
}

} // namespace
