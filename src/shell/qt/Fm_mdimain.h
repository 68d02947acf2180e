#pragma once

#include "shell/qt/Px_formmdi.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class TApp;
class TFormAbout;
class TFormHelp;
class TFormMsgDialog;
class TFormStory;

// Only a high-colour surface shows the game's pictures as they are made.
bool DisplayDepthAccepted(int bitsPerPixel);

// The main window: a frame for the game's child windows, with the menu.
class TFormMDIMain final : public QMainWindow {
    Q_OBJECT
public:
    // Assembled on the desktop's platform.
    explicit TFormMDIMain(const std::string& settingsPath);
    TFormMDIMain(const std::string& settingsPath, const TBundleMaker& makeBundle);
    ~TFormMDIMain() override;

    TPX_FormMDI& Proxy() { return *proxy; }
    QMdiArea* Area() const { return area; }
    TFormMsgDialog& MessageDialog() { return *messageDialog; }
    TFormAbout& AboutBox() { return *aboutBox; }
    // The help window, once the help was asked for.
    TFormHelp* HelpWindow() const;

    void EnableRetry(bool flag);
    void CreateDialogs();
    void ShowAbout();
    void ShowHelp(const std::string& sjisFileName);

    bool TitleOpen() const { return !title.isNull(); }
    void OpenTitle(TApp& opener);
    void CloseTitle();
    bool StoryOpen() const { return !story.isNull(); }
    // The title and the story screen playing, or null.
    QMdiSubWindow* Title() const;
    TFormStory* Story() const;
    void OpenProlog(TApp& opener);
    void OpenEnding(TApp& opener);

    QMdiSubWindow* AddChildWindow(QWidget* content);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenu();
    void DrawBackground();
    void CheckPriorityItem(int level);
    void PriorityItemClicked(QAction* item);
    void QuitCommand();
    void CheckDisplay();
    void OpenStory(TFormStory* window);

    QMdiArea* area;
    QAction* retryItem = nullptr;
    QActionGroup* priorityItems = nullptr;
    QPointer<QMdiSubWindow> title;
    QPointer<TFormStory> story;
    QPointer<TFormHelp> helpWindow;
    std::unique_ptr<TFormMsgDialog> messageDialog;
    std::unique_ptr<TFormAbout> aboutBox;
    bool displayChecked = false;
    std::unique_ptr<TPX_FormMDI> proxy;
};
