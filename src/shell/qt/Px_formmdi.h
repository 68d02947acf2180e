#pragma once

#include "platform/IntervalTimer.h"
#include "shell/Mainwindow.h"
#include "shell/PlatformBundle.h"

#include <functional>
#include <memory>
#include <string>

class QMdiSubWindow;
class QWidget;
class TApp;
class TFormMDIMain;
class TPX_FormMDI;

// Makes the platform the game is assembled from, for the main window's proxy:
// the desktop's, or the headless simulator's.
using TBundleMaker = std::function<TPlatformBundle(TPX_FormMDI&)>;

// The main window's proxy. It owns the application controller, assembled from
// the platform's bundle, forwards the menu commands to it and gives the game
// the few operations it needs on the main window.
class TPX_FormMDI final : public IMainWindow {
public:
    TPX_FormMDI(TFormMDIMain& mainWindow, std::string settingsPath, const TBundleMaker& makeBundle);
    ~TPX_FormMDI() override;
    TPX_FormMDI(const TPX_FormMDI&) = delete;
    TPX_FormMDI& operator=(const TPX_FormMDI&) = delete;

    TApp& App() { return *app; }
    TFormMDIMain& Window() { return window; }
    // The story screens' timers, from the same bundle as the game.
    const TIntervalTimerFactory& StoryTimers() const { return storyTimers; }

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
    TIntervalTimerFactory storyTimers;
    std::unique_ptr<TApp> app;
};
