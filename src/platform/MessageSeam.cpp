#include "platform/MessageSeam.h"

#include <iostream>

namespace {

void Print(const std::string& text) {
    std::cerr << SjisToUtf8(text) << '\n';
}

} // namespace

void TStandardErrorSeam::ShowMessage(const std::string& text) {
    Print(text);
}

void TStandardErrorSeam::ShowWarning(const std::string& text) {
    Print(text);
}

int TStandardErrorSeam::Ask(const std::string& text) {
    Print(text);
    return AnswerNo;
}
