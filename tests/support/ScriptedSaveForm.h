#pragma once

#include "save/Saveform.h"

#include <deque>
#include <functional>

// The slot dialog of tests: each showing takes the next scripted slot (0
// cancels) and chooses it as a player would, or lets `player` work the
// dialog's controls. With nothing scripted the dialog is closed.
class TScriptedSaveForm final : public TSaveForm {
public:
    using TSaveForm::TSaveForm;

    std::deque<int> slots;
    std::function<void(TScriptedSaveForm&)> player;
    int shown = 0;

protected:
    void ShowModal() override {
        ++shown;
        if (player) {
            player(*this);
        } else if (!slots.empty()) {
            const int slot = slots.front();
            slots.pop_front();
            if (slot > 0) {
                ChooseSlot(slot);
            }
        }
        if (Mode() != TSaveMode::Closed) {
            Close();
        }
    }
};
