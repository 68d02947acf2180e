#include "village/qt/Px_formdungent.h"

#include "shell/Gamewindow.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Px_formmdi.h"
#include "village/qt/Fm_dungent.h"

TPX_FormDungEnt::TPX_FormDungEnt(TDungOperator& owner, TPX_FormMDI& mainWindowProxy)
    : TEntranceScreenBase(owner), mainProxy(mainWindowProxy) {}

TPX_FormDungEnt::~TPX_FormDungEnt() {
    // At the program's end an undecided screen goes without asking.
    delete window;
}

void TPX_FormDungEnt::OpenScreen(TEntranceChoice choice) {
    form = new TFormDungEnt(*this, std::move(choice));
    window = mainProxy.AddChildWindow(form);
    window->setWindowTitle(form->windowTitle());
    const QWidget& main = mainProxy.Window();
    const TWindowPoint at =
        PlaceOnMainWindow({main.width(), main.height()}, {window->width(), window->height()});
    window->move(at.x, at.y);
    window->show();
}

void TPX_FormDungEnt::ForgetScreen() {
    window = nullptr;
    form = nullptr;
}
