#pragma once

#include "platform/MessageSeam.h"

#include <memory>
#include <string>
#include <vector>

// Installs itself as the message seam for the life of the object and keeps
// every text shown (Shift-JIS), messages and warnings alike, in order.
class TRecordingMessages {
public:
    TRecordingMessages() : seam(std::make_shared<TSeam>()) { previous = InstallMessageSeam(seam); }
    ~TRecordingMessages() { InstallMessageSeam(previous); }
    TRecordingMessages(const TRecordingMessages&) = delete;
    TRecordingMessages& operator=(const TRecordingMessages&) = delete;

    const std::vector<std::string>& Texts() const { return seam->texts; }
    void Clear() { seam->texts.clear(); }

private:
    struct TSeam final : IMessageSeam {
        std::vector<std::string> texts;
        void ShowMessage(const std::string& text) override { texts.push_back(text); }
        void ShowWarning(const std::string& text) override { texts.push_back(text); }
        int Ask(const std::string& text) override {
            texts.push_back(text);
            return AnswerNo;
        }
    };

    std::shared_ptr<TSeam> seam;
    std::shared_ptr<IMessageSeam> previous;
};
