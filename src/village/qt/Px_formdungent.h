#pragma once

#include "shell/Entrancescreen.h"

#include <QMdiSubWindow>
#include <QPointer>

class TFormDungEnt;
class TPX_FormMDI;

// The dungeon entrance screen's proxy on Qt: it opens the screen as a child
// window of the main window, placed over the main window's middle, and
// forgets it once the player has decided.
class TPX_FormDungEnt final : public TEntranceScreenBase {
public:
    TPX_FormDungEnt(TDungOperator& owner, TPX_FormMDI& mainWindowProxy);
    ~TPX_FormDungEnt() override;
    TPX_FormDungEnt(const TPX_FormDungEnt&) = delete;
    TPX_FormDungEnt& operator=(const TPX_FormDungEnt&) = delete;

    bool IsOpen() const override { return !window.isNull(); }
    QMdiSubWindow* Window() const { return window; }
    TFormDungEnt* Form() const { return window ? form : nullptr; }

protected:
    void OpenScreen(TEntranceChoice choice) override;
    void ForgetScreen() override;

private:
    TPX_FormMDI& mainProxy;
    QPointer<QMdiSubWindow> window;
    TFormDungEnt* form = nullptr;
};
