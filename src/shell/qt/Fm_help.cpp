#include "shell/qt/Fm_help.h"

#include "shell/qt/ScreenPlace.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TFormHelp::TFormHelp(QWidget* owner)
    : QWidget(owner, Qt::Window), browser(new QTextBrowser(this)),
      contents(new QPushButton(QStringLiteral("目次"), this)),
      back(new QPushButton(QStringLiteral("戻る"), this)),
      forward(new QPushButton(QStringLiteral("進む"), this)) {
    setWindowTitle(QStringLiteral("遊び方"));
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {contents, back, forward}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser);

    // The page's own links only: it has no others.
    browser->setOpenExternalLinks(false);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, browser, &QTextBrowser::home);
    connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("遊び方") : title);
    });
}

void TFormHelp::ShowContents(const std::filesystem::path& helpFile) {
    const QUrl page = QUrl::fromLocalFile(QFile::decodeName(helpFile.c_str()));
    // The help file is HTML whatever its name says. Set again, the page goes
    // back to its top.
    browser->setSource(page, QTextDocument::HtmlResource);
    browser->clearHistory();
    if (!placed) {
        placed = true;
        // Room for the page's widest pictures, within a small screen too.
        const QSize room = screen()->availableGeometry().size() - QSize(40, 60);
        resize(QSize(660, 620).boundedTo(room));
        PlaceCentred(*this);
    }
    show();
    raise();
    activateWindow();
}

void TFormHelp::keyPressEvent(QKeyEvent* event) {
    // Esc puts the help away, as it does a dialog.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
