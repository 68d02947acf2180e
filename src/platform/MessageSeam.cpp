#include "platform/MessageSeam.h"

#include "platform/SjisText.h"

#include <iostream>

namespace {

class TStandardErrorSeam final : public IMessageSeam {
public:
    void ShowMessage(const std::string& text) override { Print(text); }
    void ShowWarning(const std::string& text) override { Print(text); }
    int Ask(const std::string& text) override {
        Print(text);
        return AnswerNo;
    }

private:
    static void Print(const std::string& text) { std::cerr << SjisToUtf8(text) << '\n'; }
};

std::shared_ptr<IMessageSeam>& Installed() {
    static std::shared_ptr<IMessageSeam> seam = std::make_shared<TStandardErrorSeam>();
    return seam;
}

} // namespace

IMessageSeam& MessageSeam() {
    return *Installed();
}

std::shared_ptr<IMessageSeam> InstallMessageSeam(std::shared_ptr<IMessageSeam> seam) {
    auto previous = Installed();
    Installed() = seam ? std::move(seam) : std::make_shared<TStandardErrorSeam>();
    return previous;
}
