#pragma once

#include <string>

class TApp;

// The main window as the application controller sees it: its menu, its
// dialogs and the story screens it hosts. The main window's proxy
// implements it and owns the controller.
class IMainWindow {
public:
    virtual ~IMainWindow() = default;

    virtual void EnableRetry(bool flag) = 0;
    // The question dialog and the about box, created hidden.
    virtual void CreateDialogs() = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowHelp(const std::string& sjisFileName) = 0;

    virtual bool TitleOpen() const = 0;
    virtual void OpenTitle(TApp& opener) = 0;
    virtual void CloseTitle() = 0;
    // A prologue or an epilogue is playing.
    virtual bool StoryOpen() const = 0;
    virtual void OpenProlog(TApp& opener) = 0;
    virtual void OpenEnding(TApp& opener) = 0;
};
