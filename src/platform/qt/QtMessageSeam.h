#pragma once

#include "platform/MessageSeam.h"

#include <functional>

// Message boxes on Qt. The yes/no question is the program's own dialog,
// handed in by whoever owns it.
class TQtMessageSeam final : public IMessageSeam {
public:
    using TQuestion = std::function<int(const std::string& sjisText)>;
    explicit TQtMessageSeam(TQuestion askDialog) : question(std::move(askDialog)) {}

    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    int Ask(const std::string& text) override { return question(text); }

private:
    TQuestion question;
};
