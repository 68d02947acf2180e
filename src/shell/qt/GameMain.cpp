#include "shell/qt/GameMain.h"

#include "platform/FailureReport.h"
#include "shell/App.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/GameArt.h"
#include "shell/qt/GameFont.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <iostream>
#include <memory>

void PrepareApplication() {
    QApplication::setApplicationName(QStringLiteral("Tessarine"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ProgramIcon())));
    ApplyGameFont();
}

void ShowMainWindow(TFormMDIMain& window) {
    // Without a window manager nothing maximises the window: size it ourselves.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
}

int RunGame(int argc, char** argv) {
    QApplication application(argc, argv);
    PrepareApplication();
    std::unique_ptr<TFormMDIMain> window;
    try {
        window = std::make_unique<TFormMDIMain>(TApp::SettingsPath());
    } catch (...) {
        // A factory that cannot read its data stops the program before the title.
        const std::string text = FailureTextUtf8(std::current_exception());
        std::cerr << "tessarine: " << text << std::endl;
        QMessageBox::critical(nullptr, QStringLiteral("Tessarine"), QString::fromStdString(text));
        return 1;
    }
    ShowMainWindow(*window);
    const int code = QApplication::exec();
    window.reset();
    return code;
}
