#pragma once

#include "platform/MessageSeam.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

// What the script has said the player will answer, before the game asks.
struct TSimAnswers {
    // Yes/no answers for the coming questions, in order: 1 はい, 2 いいえ.
    std::deque<int> yesNo;
    // Slots for the coming save and load dialogs, in order: 0 cancels.
    std::deque<int> saveSlots;
    // Questions the game asked that no answer was given for (UTF-8).
    std::vector<std::string> unanswered;
};

// The message seam of the simulator: questions take the script's answers,
// messages are written out. A question without an answer is answered as if
// the dialog was closed and noted, so that the script fails after the
// command that led to it.
class TSimSeam final : public IMessageSeam {
public:
    TSimSeam(TSimAnswers& answers, std::ostream& out);

    void ShowMessage(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    int Ask(const std::string& text) override;

private:
    TSimAnswers& answers;
    std::ostream& out;
};
