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
    QMdiSubWindow* Window() const { return window; }

private:
    TDungOperator& dungOperator;
    TPX_FormMDI& mainProxy;
    QPointer<QMdiSubWindow> window;
    TFormDung* form = nullptr;
    IActiveMap* map = nullptr;
};
