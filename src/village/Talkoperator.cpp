#include "village/Talkoperator.h"

#include "platform/GameError.h"
#include "platform/MessageSeam.h"
#include "village/Talk.h"
#include "village/Talkview.h"

#include <string>
#include <vector>

TTalkOperator::TTalkOperator(ITalkView& view) : output(view) {}

void TTalkOperator::StartTalk(TTalkDepot& talks) {
    depot = &talks;
    choicePending = false;
    Begin(talks.CurrentTalk());
}

void TTalkOperator::NextLine() {
    if (!talk || choicePending || lastLine) {
        return;
    }
    ++line;
    lastLine = line + 1 >= talk->lines.size();
    ShowLine();
}

void TTalkOperator::Choose(size_t index) {
    if (!choicePending || index >= talk->choices.size()) {
        return;
    }
    choicePending = false;
    const std::uint8_t target = talk->choices[index].target;
    const TTalkData& chosen = depot->GetTalk(target);
    depot->SetTalkNo(target);
    Begin(chosen);
}

void TTalkOperator::Begin(const TTalkData& shown) {
    talk = &shown;
    line = 0;
    lastLine = talk->lines.size() < 2;
    ShowLine();
}

void TTalkOperator::ShowLine() {
    output.ShowTalk(talk->lines[line], lastLine);
    if (lastLine && !talk->choices.empty()) {
        std::vector<std::string> texts;
        for (const TChoice& choice : talk->choices) {
            texts.push_back(choice.text);
        }
        output.ShowChoices(texts);
        lastLine = false;
        choicePending = true;
    }
    if (lastLine) {
        EndTalk();
    }
}

void TTalkOperator::EndTalk() {
    depot->Advance();
    if (talk->afterTalk.empty()) {
        return;
    }
    try {
        afterTalk.Execute(talk->afterTalk);
    } catch (const TGameError& error) {
        // The talk is over whatever its commands did; the game goes on.
        MessageSeam().ShowWarning(error.what());
    }
}
