#pragma once

#include "shell/Mainwindow.h"

#include <memory>
#include <string>

class QMdiSubWindow;
class QWidget;
class TApp;
class TFormMDIMain;

// The main window's proxy. It owns the application controller, assembled on
// Qt, forwards the menu commands to it and gives the game the few operations
// it needs on the main window.
class TPX_FormMDI final : public IMainWindow {
public:
    TPX_FormMDI(TFormMDIMain& mainWindow, std::string settingsPath);
    ~TPX_FormMDI() override;
    TPX_FormMDI(const TPX_FormMDI&) = delete;
    TPX_FormMDI& operator=(const TPX_FormMDI&) = delete;

    TApp& App() { return *app; }
    TFormMDIMain& Window() { return window; }

    void EnableRetry(bool flag) override;
    void CreateDialogs() override;
    void ShowAbout() override;
    void ShowHelp(const std::string& sjisFileName) override;

    bool TitleOpen() const override;
    void OpenTitle(TApp& opener) override;
    void CloseTitle() override;
    bool StoryOpen() const override;
    void OpenProlog(TApp& opener) override;
    void OpenEnding(TApp& opener) override;

    // Hosts `content` as a child window of the main window.
    QMdiSubWindow* AddChildWindow(QWidget* content);

private:
    TFormMDIMain& window;
    std::unique_ptr<TApp> app;
};
