#include "shell/qt/Fm_dungeon.h"

#include <QCloseEvent>
#include <QFrame>

TFormDung::TFormDung(QWidget* parent) : QWidget(parent), panel3(new QFrame(this)) {
    setFixedSize(796, 504);
    panel3->setGeometry(0, 0, 491, 504);
    panel3->setAutoFillBackground(true);
    QPalette black = panel3->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel3->setPalette(black);
}

void TFormDung::closeEvent(QCloseEvent* event) {
    event->accept();
    if (whenClosed) {
        auto notify = std::move(whenClosed);
        whenClosed = nullptr;
        notify();
    }
}
