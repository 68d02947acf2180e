#include "viewer/ViewerWindow.h"

#include "platform/GameError.h"
#include "scene/Scenelog.h"
#include "viewer/core/ColourKeys.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The game's step: motions play at the speed they play in the game.
constexpr int TickMilliseconds = 80;

const char* const KeyHelp = "←/→ turn   ↑/↓ tilt   +/− zoom   Home: camera back   "
                            "0-9: play motion   Space: stop   R: rest pose   F: frame again   "
                            "K: black transparent";

} // namespace

TViewerWindow::TViewerWindow(std::unique_ptr<TViewSubject> shown, const QString& title,
                             const TViewCamera& start, bool keyed)
    : subject(std::move(shown)), camera(start), view(new QWidget(this)),
      outline(new QTreeWidget(this)), motions(new QListWidget(this)), status(new QLabel(this)),
      startCamera(start), keyBlack(keyed) {
    setWindowTitle(title);
    view->setFixedSize(ViewWidth, ViewHeight);
    outline->setHeaderLabel(QStringLiteral("Object tree"));
    outline->setFocusPolicy(Qt::NoFocus);
    motions->setFocusPolicy(Qt::NoFocus);
    status->setText(QString::fromUtf8(KeyHelp));
    status->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(outline, 3);
    side->addWidget(new QLabel(QStringLiteral("Motions"), this));
    side->addWidget(motions, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(view);
    top->addLayout(side);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(status);
    setFocusPolicy(Qt::StrongFocus);

    FillOutline();
    for (const std::string& name : subject->MotionNames()) {
        motions->addItem(QString::fromStdString(name));
    }
    connect(motions, &QListWidget::itemClicked,
            [this](QListWidgetItem* item) { Play(motions->row(item)); });
    bounds = subject->Bounds();
    ticker.setInterval(TickMilliseconds);
    connect(&ticker, &QTimer::timeout, this, &TViewerWindow::Tick);
}

void TViewerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (started) {
        return;
    }
    started = true;
    StartEngine();
    ticker.start();
}

// Colour keys cannot be taken back, so a change starts the engine anew.
void TViewerWindow::StartEngine() {
    engine.InitDevice(view, 0, ViewWidth, ViewHeight);
    engine.SetupScene();
    if (keyBlack) {
        KeyBlackInAllTextures(engine);
    }
    if (!engine.HasDevice()) {
        ShowStatus(QStringLiteral("No OpenGL device: see the log."));
    }
}

void TViewerWindow::FillOutline() {
    outline->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const std::string& line : subject->Outline()) {
        const size_t depth = line.find_first_not_of(' ') / 2;
        parents.resize(std::min(parents.size(), depth));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(outline) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(line.substr(depth * 2)));
        parents.push_back(item);
    }
    outline->expandAll();
}

void TViewerWindow::ShowStatus(const QString& text) {
    status->setText(text + QStringLiteral("\n") + QString::fromUtf8(KeyHelp));
}

void TViewerWindow::Play(int index) {
    if (index < 0 || index >= motions->count()) {
        return;
    }
    motions->setCurrentRow(index);
    subject->PlayMotion(index);
    playing = true;
}

void TViewerWindow::Reframe() {
    bounds = subject->Bounds();
}

void TViewerWindow::Tick() {
    if (playing) {
        try {
            subject->Step();
        } catch (const TGameError& e) {
            playing = false;
            ShowStatus(QString::fromStdString("Motion stopped: " + PrintableSjis(e.what())));
        }
    }
    DrawFrame();
}

void TViewerWindow::DrawFrame() {
    camera.Apply(engine, bounds);
    engine.BeginFrame();
    subject->Draw(engine, camera.TurnMatrix(bounds));
    engine.EndFrame();
}

void TViewerWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        Play(key - Qt::Key_0);
        return;
    }
    switch (key) {
    case Qt::Key_Left:
        camera.turn -= 15.0f;
        break;
    case Qt::Key_Right:
        camera.turn += 15.0f;
        break;
    case Qt::Key_Up:
        camera.pitch = std::min(camera.pitch + 5.0f, 85.0f);
        break;
    case Qt::Key_Down:
        camera.pitch = std::max(camera.pitch - 5.0f, -85.0f);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        camera.zoom *= 1.1f;
        break;
    case Qt::Key_Minus:
        camera.zoom /= 1.1f;
        break;
    case Qt::Key_Home:
        camera = startCamera;
        break;
    case Qt::Key_K:
        keyBlack = !keyBlack;
        StartEngine();
        break;
    case Qt::Key_Space:
        subject->StopMotion();
        playing = false;
        break;
    case Qt::Key_R:
        subject->ResetPose();
        playing = false;
        FillOutline();
        break;
    case Qt::Key_F:
        Reframe();
        break;
    case Qt::Key_Escape:
    case Qt::Key_Q:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
