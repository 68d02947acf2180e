#include "shell/qt/Px_formmdi.h"

#include "shell/App.h"
#include "shell/qt/Fm_mdimain.h"

TPX_FormMDI::TPX_FormMDI(TFormMDIMain& mainWindow, std::string settingsPath,
                         const TBundleMaker& makeBundle)
    : window(mainWindow) {
    TPlatformBundle bundle = makeBundle(*this);
    storyTimers = bundle.makeIntervalTimer;
    app = std::make_unique<TApp>(*this, std::move(bundle), std::move(settingsPath));
}

TPX_FormMDI::~TPX_FormMDI() = default;

void TPX_FormMDI::EnableRetry(bool flag) {
    window.EnableRetry(flag);
}

void TPX_FormMDI::CreateDialogs() {
    window.CreateDialogs();
}

void TPX_FormMDI::ShowAbout() {
    window.ShowAbout();
}

void TPX_FormMDI::ShowHelp(const std::string& sjisFileName) {
    window.ShowHelp(sjisFileName);
}

bool TPX_FormMDI::TitleOpen() const {
    return window.TitleOpen();
}

void TPX_FormMDI::OpenTitle(TApp& opener) {
    window.OpenTitle(opener);
}

void TPX_FormMDI::CloseTitle() {
    window.CloseTitle();
}

bool TPX_FormMDI::StoryOpen() const {
    return window.StoryOpen();
}

void TPX_FormMDI::OpenProlog(TApp& opener) {
    window.OpenProlog(opener);
}

void TPX_FormMDI::OpenEnding(TApp& opener) {
    window.OpenEnding(opener);
}

QMdiSubWindow* TPX_FormMDI::AddChildWindow(QWidget* content) {
    return window.AddChildWindow(content);
}
