#include "shell/qt/Fm_mdimain.h"

#include "platform/GameFiles.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "scene/I3DEngine.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/qt/Background.h"
#include "shell/qt/Cursortable.h"
#include "shell/qt/Fm_about.h"
#include "shell/qt/Fm_ending.h"
#include "shell/qt/Fm_help.h"
#include "shell/qt/Fm_msgdialog.h"
#include "shell/qt/Fm_prolog.h"
#include "shell/qt/Fm_title.h"
#include "shell/qt/GameArt.h"
#include "shell/qt/QtBundle.h"
#include "shell/qt/ScreenPlace.h"
#include "world/Mycpp.h"

#include <QActionGroup>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <filesystem>

bool DisplayDepthAccepted(int bitsPerPixel) {
    return bitsPerPixel == 16;
}

TFormMDIMain::TFormMDIMain(const std::string& settingsPath)
    : TFormMDIMain(settingsPath, MakeQtBundle) {}

TFormMDIMain::TFormMDIMain(const std::string& settingsPath, const TBundleMaker& makeBundle)
    : area(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Tessarine"));
    setCentralWidget(area);
    BuildMenu();
    proxy = std::make_unique<TPX_FormMDI>(*this, settingsPath, makeBundle);
    DrawBackground();
    CheckPriorityItem(proxy->App().ThreadLevel());
    TCursorTable::CreateInstance().LoadGameCursors();
}

TFormMDIMain::~TFormMDIMain() {
    // The controller writes the settings and ends the game loop; the windows
    // it used go after it.
    TCursorTable::ReleaseInstance();
    proxy.reset();
}

void TFormMDIMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
    connect(file->addAction(QStringLiteral("スタート")), &QAction::triggered, this,
            [this] { proxy->App().StartCommand(); });
    file->addSeparator();
    QAction* save = file->addAction(QStringLiteral("セーブ..."));
    save->setData(1);
    connect(save, &QAction::triggered, this, [this] { proxy->App().SaveCommand(); });
    QAction* load = file->addAction(QStringLiteral("ロード..."));
    load->setData(2);
    connect(load, &QAction::triggered, this, [this] { proxy->App().LoadCommand(); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("ゲーム終了")), &QAction::triggered, this,
            [this] { QuitCommand(); });

    retryItem = menuBar()->addAction(QStringLiteral("やり直し..."));
    connect(retryItem, &QAction::triggered, this, [this] { proxy->App().RetryCommand(); });

    QMenu* settings = menuBar()->addMenu(QStringLiteral("設定"));
    QMenu* level = settings->addMenu(QStringLiteral("繰り返し処理割り込みレベル"));
    priorityItems = new QActionGroup(this);
    const QString levelNames[] = {QStringLiteral("高め"), QStringLiteral("標準"),
                                  QStringLiteral("低め")};
    for (int tag = 0; tag < 3; ++tag) {
        QAction* item = level->addAction(levelNames[tag]);
        item->setCheckable(true);
        item->setData(tag);
        priorityItems->addAction(item);
    }
    connect(priorityItems, &QActionGroup::triggered, this,
            [this](QAction* item) { PriorityItemClicked(item); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    connect(help->addAction(QStringLiteral("遊び方")), &QAction::triggered, this,
            [this] { proxy->App().Help(1); });
    help->addSeparator();
    connect(help->addAction(QStringLiteral("バージョン情報")), &QAction::triggered, this,
            [this] { proxy->App().ShowAbout(); });
}

void TFormMDIMain::CheckPriorityItem(int level) {
    const int tag = level == -1 ? 1 : level;
    for (QAction* item : priorityItems->actions()) {
        item->setChecked(item->data().toInt() == tag);
    }
}

void TFormMDIMain::PriorityItemClicked(QAction* item) {
    // The group has already moved the check mark; the level it had tells
    // whether this item was checked before the click.
    const int tag = item->data().toInt();
    const int level = proxy->App().ThreadLevel();
    if (tag == (level == -1 ? 1 : level)) {
        return;
    }
    proxy->App().SetThreadLevel(tag);
    CheckPriorityItem(tag);
}

void TFormMDIMain::DrawBackground() {
    const QSize screen = this->screen()->size();
    area->setBackground(QBrush(DrawMainBackground(BackgroundTile(), screen)));
}

void TFormMDIMain::EnableRetry(bool flag) {
    retryItem->setEnabled(flag);
}

void TFormMDIMain::CreateDialogs() {
    messageDialog = std::make_unique<TFormMsgDialog>(this);
    aboutBox = std::make_unique<TFormAbout>(this);
}

void TFormMDIMain::ShowAbout() {
    aboutBox->ShowAbout();
}

void TFormMDIMain::ShowHelp(const std::string& sjisFileName) {
    const TGamePath file(sjisFileName);
    if (!GameFileExists(file)) {
        MessageSeam().ShowMessage(Sjis("ファイルが見つかりません ") + sjisFileName);
        return;
    }
    if (!helpWindow) {
        helpWindow = new TFormHelp(this);
    }
    helpWindow->ShowContents(std::filesystem::absolute(file.Native()));
}

void TFormMDIMain::OpenTitle(TApp& opener) {
    if (title) {
        return;
    }
    auto* form = new TFormTitle(opener);
    title = AddChildWindow(form);
    title->setWindowTitle(QStringLiteral("Tessarine"));
    const QSize size = title->size();
    const QSize screen = this->screen()->size();
    const TScreenPlace place =
        CenterOnScreen(screen.width(), screen.height(), size.width(), size.height());
    title->move(place.left, place.top);
    title->show();
}

QMdiSubWindow* TFormMDIMain::Title() const {
    return title;
}

TFormStory* TFormMDIMain::Story() const {
    return story;
}

TFormHelp* TFormMDIMain::HelpWindow() const {
    return helpWindow;
}

void TFormMDIMain::CloseTitle() {
    if (title) {
        QMdiSubWindow* closing = title;
        title = nullptr;
        closing->close();
    }
}

void TFormMDIMain::OpenStory(TFormStory* window) {
    story = window;
    PlaceCentred(*window);
    window->show();
}

void TFormMDIMain::OpenProlog(TApp& opener) {
    if (!story) {
        OpenStory(new TFormProlog(this, proxy->StoryTimers(), [this, &opener] {
            story = nullptr;
            opener.NewGame();
        }));
    }
}

void TFormMDIMain::OpenEnding(TApp& opener) {
    if (!story) {
        OpenStory(new TFormEnding(this, proxy->StoryTimers(), [this, &opener] {
            story = nullptr;
            opener.EndingClosed();
        }));
    }
}

QMdiSubWindow* TFormMDIMain::AddChildWindow(QWidget* content) {
    QMdiSubWindow* child =
        area->addSubWindow(content, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    child->setAttribute(Qt::WA_DeleteOnClose);
    child->setFixedSize(child->sizeHint());
    return child;
}

void TFormMDIMain::QuitCommand() {
    if (MessageSeam().Ask(Sjis("ゲームを終了しますか？")) == AnswerYes) {
        close();
    }
}

void TFormMDIMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!displayChecked) {
        displayChecked = true;
        QTimer::singleShot(0, this, [this] { CheckDisplay(); });
    }
}

void TFormMDIMain::CheckDisplay() {
    // The game draws into its own high-colour surface whatever the desktop's
    // depth is; only a device without one cannot show it as it is made.
    if (!DisplayDepthAccepted(proxy->App().DungOperator().Engine().SurfaceColorDepth())) {
        MessageSeam().ShowWarning(
            Sjis("このゲームはハイカラーモード専用です\n"
                 "画面のプロパティをハイカラーモードに設定して再起動してください"));
        close();
        return;
    }
    proxy->App().ShowTitle();
}
