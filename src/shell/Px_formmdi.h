#pragma once

#include <memory>
#include <string>

class QMdiSubWindow;
class QWidget;
class TApp;
class TFormMDIMain;

// The main window's proxy. It owns the application controller, forwards the
// menu commands to it and gives the game the few operations it needs on the
// main window.
class TPX_FormMDI {
public:
    TPX_FormMDI(TFormMDIMain& mainWindow, std::string settingsPath);
    ~TPX_FormMDI();
    TPX_FormMDI(const TPX_FormMDI&) = delete;
    TPX_FormMDI& operator=(const TPX_FormMDI&) = delete;

    TApp& App() { return *app; }

    void EnableRetry(bool flag);
    // The question dialog and the about box, created hidden.
    void CreateDialogs();
    void ShowAbout();
    void ShowHelp(const std::string& sjisFileName);

    bool TitleOpen() const;
    void OpenTitle(TApp& opener);
    void CloseTitle();
    // A prologue or an epilogue is playing.
    bool StoryOpen() const;
    void OpenProlog(TApp& opener);
    void OpenEnding(TApp& opener);

    // Hosts `content` as a child window of the main window.
    QMdiSubWindow* AddChildWindow(QWidget* content);

private:
    TFormMDIMain& window;
    std::unique_ptr<TApp> app;
};
