#include "scene/gl/Glpresenter.h"

#include <QEvent>
#include <QPainter>

void TGLPresenter::Attach(QWidget* view) {
    Detach();
    target = view;
    if (target) {
        target->installEventFilter(this);
    }
}

void TGLPresenter::Detach() {
    if (target) {
        target->removeEventFilter(this);
        target->update();
    }
    target = nullptr;
    shown = nullptr;
}

void TGLPresenter::Present(const QImage& frame) {
    shown = &frame;
    if (target && target->isVisible()) {
        target->repaint(0, 0, frame.width(), frame.height());
    }
}

bool TGLPresenter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target && event->type() == QEvent::Paint && shown && !shown->isNull()) {
        QPainter painter(target);
        painter.drawImage(0, 0, *shown);
        return true;
    }
    return QObject::eventFilter(watched, event);
}
