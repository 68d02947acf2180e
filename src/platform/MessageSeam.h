#pragma once

#include <memory>
#include <string>

// Every message box and yes/no question of the game goes through this seam.
// The UI answers with dialogs; tests and the headless simulator answer
// directly. Texts are Shift-JIS.
class IMessageSeam {
public:
    virtual ~IMessageSeam() = default;
    // A plain message with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A warning box with an OK button.
    virtual void ShowWarning(const std::string& text) = 0;
    // The yes/no question: 1 for "はい", 2 for "いいえ", 0 when closed otherwise.
    virtual int Ask(const std::string& text) = 0;
};

constexpr int AnswerNone = 0;
constexpr int AnswerYes = 1;
constexpr int AnswerNo = 2;

// The seam in use. Until one is installed, messages go to standard error and
// every question is answered "いいえ".
IMessageSeam& MessageSeam();
// Installs a seam; returns the one it replaces. Pass nullptr for the default.
std::shared_ptr<IMessageSeam> InstallMessageSeam(std::shared_ptr<IMessageSeam> seam);
