#pragma once

#include "save/Saveform.h"

#include <QPointer>
#include <filesystem>

class QWidget;
class TFormSave;

// The save slot dialog on Qt: made once, hidden, owned by the main window,
// and shown modally whenever the game asks for a slot.
class TPX_FormSave final : public TSaveForm {
public:
    TPX_FormSave(std::filesystem::path programFolder, QWidget* mainWindow);
    ~TPX_FormSave() override;
    TPX_FormSave(const TPX_FormSave&) = delete;
    TPX_FormSave& operator=(const TPX_FormSave&) = delete;

    TFormSave* Dialog() const;

protected:
    void ShowModal() override;

private:
    QPointer<TFormSave> dialog;
};
