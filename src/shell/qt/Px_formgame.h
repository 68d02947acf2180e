#pragma once

#include "shell/Gamewindow.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <string>

class TDungOperator;
class TFormDung;
class TPX_FormMDI;

// The game window's proxy on Qt: the rest of the game reaches the window only
// through it. It creates the window when a scene is attached and forgets it
// when it closes.
class TPX_FormGame final : public IGameWindow {
public:
    TPX_FormGame(TDungOperator& owner, TPX_FormMDI& mainWindowProxy);
    ~TPX_FormGame() override;
    TPX_FormGame(const TPX_FormGame&) = delete;
    TPX_FormGame& operator=(const TPX_FormGame&) = delete;

    void AttachMap(IActiveMap& map) override;
    void SetCaption(const std::string& sjisText) override;
    bool CloseWindow() override;
    bool HasWindow() const override { return !window.isNull(); }
    void ShowHero(THero& hero) override;
    void UpdateHeroPower(THero& hero) override;
    void UpdateNext(THero& hero) override;
    void UpdateComparison() override;
    void ForgetItem(const TItemActer& item) override;
    void ShowRemark(const std::string& sjisText) override;
    QMdiSubWindow* Window() const { return window; }
    TFormDung* Form() const { return window ? form : nullptr; }

private:
    TDungOperator& dungOperator;
    TPX_FormMDI& mainProxy;
    QPointer<QMdiSubWindow> window;
    TFormDung* form = nullptr;
    IActiveMap* map = nullptr;
};
