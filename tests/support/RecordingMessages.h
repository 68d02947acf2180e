#pragma once

#include "platform/MessageSeam.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Answers questions from a script and records every text it was shown
// (Shift-JIS): all of them in order, and the messages and questions apart.
// A question with no scripted answer is answered as if the dialog was closed.
class TScriptedSeam final : public IMessageSeam {
public:
    void ShowMessage(const std::string& text) override { Shown(messages, text); }
    void ShowWarning(const std::string& text) override { Shown(messages, text); }
    int Ask(const std::string& text) override {
        Shown(questions, text);
        if (answers.empty()) {
            return AnswerNone;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<int> answers;
    std::vector<std::string> texts;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

private:
    void Shown(std::vector<std::string>& kind, const std::string& text) {
        kind.push_back(text);
        texts.push_back(text);
    }
};

// A scripted seam as the program's message seam for the life of the object.
class TRecordingMessages {
public:
    TRecordingMessages() : seam(&IMessageSeam::AdoptInstance(std::make_unique<TScriptedSeam>())) {}
    ~TRecordingMessages() { IMessageSeam::ReleaseInstance(); }
    TRecordingMessages(const TRecordingMessages&) = delete;
    TRecordingMessages& operator=(const TRecordingMessages&) = delete;

    TScriptedSeam& Seam() const { return *seam; }
    const std::vector<std::string>& Texts() const { return seam->texts; }
    void Clear() { seam->texts.clear(); }

private:
    TScriptedSeam* seam;
};
