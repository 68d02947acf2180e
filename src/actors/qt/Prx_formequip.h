#pragma once

#include "actors/Equipscreenbase.h"

#include <QPointer>
#include <functional>

class QWidget;
class TFormEquip;

// The equipment screen's proxy on Qt: it makes the dialog when the screen is
// first shown and keeps it, hidden between uses, for the rest of the game.
// The dialog is modal to the whole program while it shows.
class TPrx_FormEquip final : public TEquipScreenBase {
public:
    // `parent` gives the window the dialog belongs to when it is made.
    TPrx_FormEquip(THero& heroine, std::function<QWidget*()> parent);
    ~TPrx_FormEquip() override;
    TPrx_FormEquip(const TPrx_FormEquip&) = delete;
    TPrx_FormEquip& operator=(const TPrx_FormEquip&) = delete;

    bool IsShown() const override;
    // The dialog, or null before it was first shown.
    TFormEquip* Form() const;

protected:
    void OpenDialog(int x, int y) override;
    void CloseDialog() override;
    void ShowContents(const TEquipContents& contents) override;
    void ShowDifferences(const TEquipDifferences& differences) override;
    void ShowUnitePanel(const TUnitePanel& panel) override;

private:
    TFormEquip& RequireForm();

    std::function<QWidget*()> parentWindow;
    QPointer<TFormEquip> form;
};
