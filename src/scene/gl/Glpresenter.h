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
    // Stores the frame and paints it at once, as a back buffer is copied
    // into its window.
    void Present(const QImage& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> target;
    QImage shown;
};
