#include "shell/qt/Px_formgame.h"

#include "actors/Hero.h"
#include "platform/qt/QtText.h"
#include "shell/Dungoperator.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Px_formmdi.h"

#include <QMdiSubWindow>

TPX_FormGame::TPX_FormGame(TDungOperator& owner, TPX_FormMDI& mainWindowProxy)
    : dungOperator(owner), mainProxy(mainWindowProxy) {}

TPX_FormGame::~TPX_FormGame() {
    if (window) {
        form->whenClosed = nullptr;
        delete window;
    }
}

void TPX_FormGame::AttachMap(IActiveMap& newMap) {
    map = &newMap;
    if (window) {
        return;
    }
    form = new TFormDung;
    form->whenClosed = [this] {
        // The window itself goes when the event loop runs, as the close may
        // come from one of its own handlers; nothing may draw into it now.
        window = nullptr;
        form = nullptr;
        dungOperator.GameWindowClosed();
    };
    window = mainProxy.AddChildWindow(form);
    window->show();
    window->setFocus();
}

void TPX_FormGame::SetCaption(const std::string& sjisText) {
    if (window) {
        window->setWindowTitle(ToQt(sjisText));
    }
}

bool TPX_FormGame::CloseWindow() {
    if (!window) {
        return false;
    }
    window->close();
    return true;
}

void TPX_FormGame::ShowHero(THero& hero) {
    if (TFormDung* shown = Form()) {
        shown->ShowHeroValues(hero.GetHP(), hero.GetMaxHP(), hero.GetAttack(), hero.GetDefence(),
                              hero.GetLevel(), hero.Record().next);
    }
}

void TPX_FormGame::UpdateHeroPower(THero& hero) {
    if (TFormDung* shown = Form()) {
        shown->ShowHeroPower(hero.GetAttack(), hero.GetDefence());
    }
}

void TPX_FormGame::UpdateNext(THero& hero) {
    if (TFormDung* shown = Form()) {
        shown->ShowNext(hero.Record().next);
    }
}

void TPX_FormGame::UpdateComparison() {
    // The window has no box of an enemy or item looked at yet.
}

void TPX_FormGame::ForgetItem(const TItemActer&) {
    // The window has no box of an item looked at yet.
}

void TPX_FormGame::ShowRemark(const std::string& sjisText) {
    if (TFormDung* shown = Form()) {
        shown->ShowRemark(ToQt(sjisText));
    }
}
