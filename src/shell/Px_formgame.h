#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <string>

class IActiveMap;
class TDungOperator;
class TFormDung;
class TPX_FormMDI;

// The game window's proxy: the rest of the game reaches the window only
// through it. It creates the window when a scene is attached and forgets it
// when it closes.
class TPX_FormGame {
public:
    static TPX_FormGame& Instance(TDungOperator& dungOperator, TPX_FormMDI& mainProxy);
    static void DestroyInstance();

    TPX_FormGame(TDungOperator& owner, TPX_FormMDI& mainWindowProxy);
    ~TPX_FormGame();
    TPX_FormGame(const TPX_FormGame&) = delete;
    TPX_FormGame& operator=(const TPX_FormGame&) = delete;

    // The map the window's commands go to; creates the window if there is none.
    void AttachMap(IActiveMap& map);
    void SetCaption(const std::string& sjisText);
    // Closes the window if there is one and answers whether there was.
    bool CloseWindow();
    bool HasWindow() const { return !window.isNull(); }
    QMdiSubWindow* Window() const { return window; }

private:
    TDungOperator& dungOperator;
    TPX_FormMDI& mainProxy;
    QPointer<QMdiSubWindow> window;
    TFormDung* form = nullptr;
    IActiveMap* map = nullptr;
};
