#pragma once

#include "core/SimSeam.h"
#include "save/Saveform.h"

#include <filesystem>
#include <ostream>

// The save slot dialog of the simulator: each showing takes the script's
// next slot and chooses it as a player would (its page, its row, "決定"), or
// cancels. Without an answer, or when the dialog refuses the slot (a load
// from an empty slot), the dialog is closed and the question noted as
// unanswered, so that the script fails after the command that led to it.
class TSimSaveForm final : public TSaveForm {
public:
    TSimSaveForm(std::filesystem::path programFolder, TSimAnswers& answers, std::ostream& out);

protected:
    void ShowModal() override;

private:
    TSimAnswers& answers;
    std::ostream& out;
};
