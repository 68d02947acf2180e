#pragma once

#include "platform/MessageSeam.h"
#include "shell/Fm_mdimain.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// Answers questions from a script and records every text it was shown.
class TScriptedSeam final : public IMessageSeam {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowWarning(const std::string& text) override { messages.push_back(text); }
    int Ask(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) {
            return AnswerNone;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<int> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

// A main window over a settings file in a fresh folder holding the test
// content, with questions answered by the script instead of dialogs.
class ShellTest : public testing::Test {
protected:
    ShellTest() { InstallTestContent(folder.Path()); }
    ~ShellTest() override {
        window.reset();
        InstallMessageSeam(nullptr);
    }

    static std::string SettingsFile() { return "Tessarine.ini"; }

    TFormMDIMain& OpenWindow() {
        window = std::make_unique<TFormMDIMain>(SettingsFile());
        InstallMessageSeam(seam);
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
    std::shared_ptr<TScriptedSeam> seam = std::make_shared<TScriptedSeam>();
    std::unique_ptr<TFormMDIMain> window;
};
