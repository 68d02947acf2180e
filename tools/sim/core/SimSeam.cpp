#include "core/SimSeam.h"

#include "platform/SjisText.h"

TSimSeam::TSimSeam(TSimAnswers& scriptAnswers, std::ostream& output)
    : answers(scriptAnswers), out(output) {}

void TSimSeam::ShowMessage(const std::string& text) {
    out << "message: " << SjisToUtf8(text) << '\n';
}

void TSimSeam::ShowWarning(const std::string& text) {
    out << "warning: " << SjisToUtf8(text) << '\n';
}

int TSimSeam::Ask(const std::string& text) {
    if (answers.yesNo.empty()) {
        answers.unanswered.push_back(SjisToUtf8(text));
        return AnswerNone;
    }
    const int answer = answers.yesNo.front();
    answers.yesNo.pop_front();
    out << "question: " << SjisToUtf8(text) << " -> " << (answer == AnswerYes ? "はい" : "いいえ")
        << '\n';
    return answer;
}
