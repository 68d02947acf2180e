#pragma once

#include "platform/SingleInstance.h"

#include <string>

// Every message box and yes/no question of the game goes through this seam,
// a program-wide single object: the windows answer with dialogs; tests and
// the headless simulator answer directly. Texts are Shift-JIS.
class IMessageSeam : public TSingleInstance<IMessageSeam> {
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

// The seam in use.
inline IMessageSeam& MessageSeam() {
    return IMessageSeam::Instance();
}

// For programs without windows (the content tools): messages go to standard
// error and every question is answered "いいえ".
class TStandardErrorSeam final : public IMessageSeam {
public:
    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    int Ask(const std::string& text) override;
};
