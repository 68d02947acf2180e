#include "save/qt/Px_formsave.h"

#include "save/qt/Fm_save.h"

#include <utility>

TPX_FormSave::TPX_FormSave(std::filesystem::path folder, QWidget* mainWindow)
    : TSaveForm(std::move(folder)), dialog(new TFormSave(*this, mainWindow)) {}

TPX_FormSave::~TPX_FormSave() {
    delete dialog;
}

void TPX_FormSave::ShowModal() {
    if (dialog) {
        dialog->ShowModal();
    }
}

TFormSave* TPX_FormSave::Dialog() const {
    return dialog;
}
