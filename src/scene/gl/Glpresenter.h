#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Shows the engine's frames in the game window's 3D view: it paints the last
// frame whenever the view paints, whatever kind of widget the view is.
class TGLPresenter final : public QObject {
public:
    ~TGLPresenter() override { Detach(); }

    void Attach(QWidget* view);
    void Detach();
    // Paints the frame at once, as a back buffer is copied into its window,
    // and again whenever the view paints. The frame is the engine's own
    // picture, kept until the next Detach; it is not copied, so the engine can
    // draw the next frame into the same memory.
    void Present(const QImage& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> target;
    const QImage* shown = nullptr;
};
