#include "shell/qt/ScreenPlace.h"

#include "world/Mycpp.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void PlaceCentred(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QSize size = screen->size();
    const TScreenPlace place =
        CenterOnScreen(size.width(), size.height(), window.width(), window.height());
    window.move(place.left, place.top);
}
