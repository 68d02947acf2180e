#include "shell/GameMain.h"

#include <QApplication>
#include <QMainWindow>

int RunGame(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tessarine"));
    window.showMaximized();
    return app.exec();
}
