#pragma once

#include "platform/SingleInstance.h"
#include "village/Aftertalkope.h"

#include <cstddef>

class ITalkView;
class TTalkDepot;
struct TTalkData;

// Runs one talk at a time in the game window: its lines one by one, its
// choices, and when it is over the person's next talk and the talk's
// after-talk commands. The dungeon operator makes the program's one instance
// with the game window and releases it at the end.
class TTalkOperator : public TSingleInstance<TTalkOperator> {
public:
    // `view` must outlive the operator.
    explicit TTalkOperator(ITalkView& view);

    // The person's current talk from its first line. A talk of one line and
    // no choices is over at once.
    void StartTalk(TTalkDepot& talks);
    // The next line; nothing while a choice is awaited or once the talk is over.
    void NextLine();
    // The chosen talk becomes the person's current one and starts; nothing
    // unless the choice list is awaiting an answer and has that entry.
    void Choose(size_t index);
    // The last line of a talk without choices has been shown, or no talk ever
    // started.
    bool IsFinished() const { return !talk || lastLine; }
    bool ChoicePending() const { return choicePending; }

private:
    void Begin(const TTalkData& shown);
    void ShowLine();
    void EndTalk();

    ITalkView& output;
    TTalkDepot* depot = nullptr;
    const TTalkData* talk = nullptr;
    size_t line = 0;
    bool lastLine = false;
    bool choicePending = false;
    TAfterTalkOpe afterTalk;
};
