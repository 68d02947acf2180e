#include "core/SimSaveForm.h"

#include <string>
#include <utility>

TSimSaveForm::TSimSaveForm(std::filesystem::path folder, TSimAnswers& scriptAnswers,
                           std::ostream& output)
    : TSaveForm(std::move(folder)), answers(scriptAnswers), out(output) {}

void TSimSaveForm::ShowModal() {
    const std::string dialog = Mode() == TSaveMode::Save ? "save dialog" : "load dialog";
    if (answers.saveSlots.empty()) {
        answers.unanswered.push_back("the " + dialog);
        Close();
        return;
    }
    const int slot = answers.saveSlots.front();
    answers.saveSlots.pop_front();
    if (slot == 0) {
        out << dialog << ": cancelled\n";
        Close();
        return;
    }
    if (!ChooseSlot(slot)) {
        answers.unanswered.push_back("the " + dialog + ", which refused slot " +
                                     std::to_string(slot) + " (no saved game)");
        Close();
        return;
    }
    out << dialog << ": slot " << slot << '\n';
}
