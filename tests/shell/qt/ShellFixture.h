#pragma once

#include "platform/MessageSeam.h"
#include "shell/qt/Fm_mdimain.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A main window over a settings file in a fresh folder holding the test
// content, with questions answered by the script instead of dialogs.
class ShellTest : public testing::Test {
protected:
    ShellTest() { InstallTestContent(folder.Path()); }
    ~ShellTest() override { window.reset(); }

    static std::string SettingsFile() { return "Tessarine.ini"; }

    TFormMDIMain& OpenWindow() {
        window = std::make_unique<TFormMDIMain>(SettingsFile());
        // Questions are answered by the script instead of the dialog; the
        // application releases the seam with everything else it made.
        seam = &IMessageSeam::AdoptInstance(std::make_unique<TScriptedSeam>());
        return *window;
    }

    static QAction* Find(const QList<QAction*>& actions, const QString& text) {
        for (QAction* action : actions) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }
    QAction* MenuItem(const QString& menu, const QString& item) const {
        QAction* top = Find(window->menuBar()->actions(), menu);
        return top && top->menu() ? Find(top->menu()->actions(), item) : nullptr;
    }
    QAction* PriorityItem(const QString& text) const {
        QAction* level =
            MenuItem(QStringLiteral("設定"), QStringLiteral("繰り返し処理割り込みレベル"));
        return level && level->menu() ? Find(level->menu()->actions(), text) : nullptr;
    }

    TTempFolder folder;
    TScriptedSeam* seam = nullptr;
    std::unique_ptr<TFormMDIMain> window;
};
