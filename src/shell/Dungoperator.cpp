#include "shell/Dungoperator.h"

#include "activemap/Activemap.h"
#include "activemap/Drawmaster.h"
#include "platform/SjisText.h"
#include "scene/Dx7factory.h"
#include "scene/I3DEngine.h"
#include "shell/App.h"
#include "shell/Px_formgame.h"
#include "shell/Thr_game.h"

TDungOperator::TDungOperator(TApp& owner, TDX7Factory& factory3D)
    : app(owner), gameWindow(TPX_FormGame::Instance(*this, owner.MainProxy())),
      engine(factory3D.NewEngine()), gameThread(TThr_Game::Instance()) {
    if (app.ThreadLevel() >= 0) {
        gameThread.SetPriorityLevel(app.ThreadLevel());
    }
}

TDungOperator::~TDungOperator() {
    TThr_Game::DestroyInstance();
    TPX_FormGame::DestroyInstance();
    drawMaster.reset();
    engine.reset();
    activeMap.reset();
}

void TDungOperator::SuspendLoop() {
    if (!gameThread.Suspended()) {
        gameThread.Suspend();
    }
}

void TDungOperator::EnterScene(const TMapBuilder& build, THeroWhereabouts newWhereabouts) {
    ClearScene();
    activeMap = build();
    whereabouts = newWhereabouts;
    const bool dungeon = whereabouts == THeroWhereabouts::Dungeon;
    gameWindow.AttachMap(*activeMap);
    gameWindow.SetCaption(CaptionText(dungeon ? 0 : 1));
    app.EnableRetry(dungeon);
    gameThread.Attach(drawMaster.get(), activeMap.get());
    gameThread.Resume();
}

void TDungOperator::ClearScene() {
    SuspendLoop();
    gameThread.Attach(drawMaster.get(), nullptr);
    activeMap.reset();
}

bool TDungOperator::CloseGameWindow() {
    return gameWindow.CloseWindow();
}

void TDungOperator::GameWindowClosed() {
    SuspendLoop();
}

void TDungOperator::EscapeDungeon() {
    // The dungeon map's failure exit runs here once dungeon maps exist; in
    // the village nothing further happens.
}

std::string TDungOperator::CaptionText(int kind) const {
    if (!activeMap) {
        return {};
    }
    const int number = activeMap->GetNumber();
    if (kind == 0) {
        return dungeonName + Sjis(" 地下 ") + std::to_string(number) + Sjis("階");
    }
    switch (number) {
    case 0:
        return Sjis("ルメナ村");
    case 1:
        return Sjis("酒場");
    case 2:
        return Sjis("村役場２階");
    case 3:
        return Sjis("村役場１階");
    default:
        return {};
    }
}

int TDungOperator::MapState() const {
    return activeMap ? activeMap->GetMapState() : -1;
}

bool TDungOperator::CanStart() const {
    return whereabouts != THeroWhereabouts::Entrance && MapState() <= 0;
}

bool TDungOperator::CanLoad() const {
    return CanStart();
}

bool TDungOperator::CanSave() const {
    return gameWindow.HasWindow() && whereabouts != THeroWhereabouts::Entrance && MapState() == 0;
}

void TDungOperator::ApplyThreadLevel(int level) {
    gameThread.SetPriorityLevel(level);
}

void TDungOperator::HelpKey(int kind) {
    app.Help(kind);
}
