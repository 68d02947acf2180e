#pragma once

#include "scene/gl/Glengine.h"
#include "viewer/core/ViewCamera.h"
#include "viewer/core/ViewSubject.h"

#include <QTimer>
#include <QWidget>
#include <memory>

class QLabel;
class QListWidget;
class QTreeWidget;

// The viewer's window: the 3D view at the game's size beside the subject's
// tree and motions. Keys turn the camera and play the motions.
class TViewerWindow final : public QWidget {
    Q_OBJECT

public:
    TViewerWindow(std::unique_ptr<TViewSubject> shown, const QString& title,
                  const TViewCamera& start, bool keyBlack);

    // The 3D view's size in the game window.
    static constexpr int ViewWidth = 491;
    static constexpr int ViewHeight = 504;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void StartEngine();
    void Tick();
    void DrawFrame();
    void Play(int index);
    void Reframe();
    void FillOutline();
    void ShowStatus(const QString& text);

    std::unique_ptr<TViewSubject> subject;
    TViewCamera camera;
    TBounds bounds;
    TGLEngine engine;
    QWidget* view;
    QTreeWidget* outline;
    QListWidget* motions;
    QLabel* status;
    QTimer ticker;
    TViewCamera startCamera;
    bool keyBlack;
    bool playing = false;
    bool started = false;
};
