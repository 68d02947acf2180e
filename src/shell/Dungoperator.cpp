#include "shell/Dungoperator.h"

#include "activemap/Activemap.h"
#include "activemap/Activemapdung.h"
#include "activemap/Activemapproxy.h"
#include "activemap/Activemaptown.h"
#include "activemap/Drawmaster.h"
#include "actors/Dungactfactory.h"
#include "actors/Equipscreen.h"
#include "actors/Hero.h"
#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "save/Savetown.h"
#include "scene/Dx7factory.h"
#include "scene/I3DEngine.h"
#include "shell/App.h"
#include "shell/Entrancescreen.h"
#include "shell/Gamewindow.h"
#include "shell/Mousecurope.h"
#include "shell/PlatformBundle.h"
#include "shell/Statusview.h"
#include "shell/Thr_game.h"
#include "village/Eventoperator.h"
#include "village/Peoplebase.h"
#include "village/Talkoperator.h"
#include "world/Area.h"
#include "world/Automapping.h"
#include "world/Dungfactory.h"

TDungOperator::TDungOperator(TApp& owner, THerosBase& heroHolder, TDX7Factory& factory3D,
                             const TPlatformBundle& platform)
    : app(owner), herosBase(heroHolder),
      gameWindow(IGameWindow::AdoptInstance(platform.makeGameWindow(*this))),
      drawMaster(std::make_unique<TDrawMaster>()), engine(factory3D.NewEngine()),
      gameThread(TThr_Game::CreateInstance(*platform.clock, platform.makeWorkerThread)),
      entrance(IEntranceScreen::AdoptInstance(platform.makeEntranceScreen(*this))) {
    try {
        CreateProgramObjects(platform);
    } catch (...) {
        // No destructor runs for a half-made operator: let go of what was made.
        ReleaseProgramObjects();
        throw;
    }
}

TDungOperator::~TDungOperator() {
    ReleaseProgramObjects();
}

void TDungOperator::CreateProgramObjects(const TPlatformBundle& platform) {
    dungFactory = std::make_unique<TDungFactory>(herosBase, TDungActFactory::Instance().Bodies());
    IEquipScreen::AdoptInstance(platform.makeEquipScreen(herosBase.GetHero()));
    if (app.ThreadLevel() >= 0) {
        gameThread.SetPriorityLevel(app.ThreadLevel());
    }
    TPeopleBase::CreateInstance(TDungActFactory::Instance());
    TActiveMapProxy::CreateInstance(this);
    statusView = &IFighterStatus::AdoptInstance(
        std::make_unique<TStatusView>(gameWindow, herosBase.GetHero()));
    automap = &IAutoMapping::AdoptInstance(
        std::make_unique<TAutoMapping>(TSaveMapping(dungFactory->Stages()), herosBase.GetHero()));
    TTalkOperator::CreateInstance(gameWindow);
    TEventOperator::CreateInstance().LoadEvents();
    TMouseCurOpe::CreateInstance(gameWindow, *statusView);
    TAreaOperator::CreateInstance(dungFactory->Stages());
    herosBase.BindOutputs(statusView, this);
}

void TDungOperator::ReleaseProgramObjects() {
    herosBase.BindOutputs(nullptr, nullptr);
    TThr_Game::ReleaseInstance();
    IGameWindow::ReleaseInstance();
    IEntranceScreen::ReleaseInstance();
    drawMaster.reset();
    engine.reset();
    if (activeMap) {
        SetActiveMap(nullptr);
    }
    dungFactory.reset();
    IEquipScreen::ReleaseInstance();
    TPeopleBase::ReleaseInstance();
    TTalkOperator::ReleaseInstance();
    TEventOperator::ReleaseInstance();
    IAutoMapping::ReleaseInstance();
    automap = nullptr;
    TAreaOperator::ReleaseInstance();
    TMouseCurOpe::ReleaseInstance();
    IFighterStatus::ReleaseInstance();
    statusView = nullptr;
    TActiveMapProxy::ReleaseInstance();
}

void TDungOperator::SuspendLoop() {
    if (!gameThread.Suspended()) {
        gameThread.Suspend();
    }
}

void TDungOperator::SetActiveMap(std::unique_ptr<IActiveMap> map) {
    // The proxy never points at a map that is gone.
    TActiveMapProxy::Instance().SetMap(map.get());
    activeMap = std::move(map);
}

void TDungOperator::EnterScene(const TMapBuilder& build, THeroWhereabouts newWhereabouts) {
    ClearScene();
    SetActiveMap(build());
    herosBase.SetWhereabouts(newWhereabouts);
    const bool dungeon = newWhereabouts == THeroWhereabouts::Dungeon;
    gameWindow.AttachMap(*activeMap);
    statusView->BindMap(*activeMap);
    const TViewParams view = gameWindow.ViewParams();
    // The story's second stage brings the automap into the window, and the
    // picking of what the pointer looks at with it.
    const bool withAutomap = dungeon && TEventOperator::Instance().StoryStage() >= 2;
    gameWindow.ArrangeLayout(withAutomap);
    gameWindow.SetCaption(CaptionText(dungeon ? 0 : 1));
    engine->InitDevice(view.window, view.fullScreen, view.width, view.height);
    if (dungeon) {
        drawMaster->SetupDungeon(*engine, *activeMap);
    } else {
        drawMaster->SetupVillage(*engine, *activeMap);
    }
    TMouseCurOpe::Instance().EnablePicking(withAutomap);
    app.EnableRetry(dungeon);
    gameThread.Attach(drawMaster.get(), activeMap.get());
    gameThread.Resume();
}

void TDungOperator::ClearScene() {
    SuspendLoop();
    gameThread.Attach(drawMaster.get(), nullptr);
    statusView->UnbindMap();
    // Nothing is revealed or drawn on a floor that is gone.
    automap->DetachDungeon();
    SetActiveMap(nullptr);
}

bool TDungOperator::CloseGameWindow() {
    return gameWindow.CloseWindow();
}

void TDungOperator::GameWindowClosed() {
    SuspendLoop();
}

void TDungOperator::EscapeDungeon() {
    // The failure exit: she loses this trip's event items and the visit ends.
    if (TActiveMapDung* dungeon = TActiveMapDung::Instance()) {
        dungeon->ExitDungeon(true);
    }
}

int TDungOperator::OpenEquipment() {
    if (const int state = MapState(); state != 0) {
        return state;
    }
    const TWindowPoint at = gameWindow.ClientToScreen({78, 236});
    IEquipScreen::Instance().Show(at.x, at.y);
    return 0;
}

void TDungOperator::CloseEquipment() {
    IEquipScreen::Instance().Close();
}

void TDungOperator::BeforeSave() {
    if (activeMap) {
        activeMap->SaveActorStates();
    }
}

void TDungOperator::PrepareLoad() {
    ClearScene();
    // No map points into the saved dungeon and village any more.
    TSaveDungeon::ReleaseInstance();
    TSaveTown::ReleaseInstance();
    gameWindow.CloseWindow();
    CloseEquipment();
}

void TDungOperator::ResumeAfterLoad() {
    switch (herosBase.GetWhereabouts()) {
    case THeroWhereabouts::Village:
        EnterVillage(true);
        break;
    case THeroWhereabouts::Dungeon:
        EnterDungeon(CurrentDungeonSave().number, true);
        break;
    case THeroWhereabouts::Entrance:
        // Never saved.
        break;
    }
}

bool TDungOperator::GameShown() const {
    return activeMap && gameWindow.HasWindow();
}

void TDungOperator::ChangeFloor() {
    // The stairs' floor is rebuilt into the same map while the loop runs on.
    activeMap->SaveActorStates();
    dungFactory->RebuildFloar();
    gameWindow.SetCaption(CaptionText(0));
    automap->SelectFloar(activeMap->GetNumber() - 1);
    automap->RevealAroundHeroine();
    statusView->ShowEnemy(nullptr);
}

void TDungOperator::ChangeVillageArea() {
    dungFactory->RebuildVillageArea();
    gameWindow.SetCaption(CaptionText(1));
}

void TDungOperator::EndDungeonVisit() {
    if (TEventOperator::Instance().StoryStage() == 19) {
        // The last treasure is home: the ending instead of the village.
        ClearScene();
        herosBase.SetWhereabouts(THeroWhereabouts::Village);
        herosBase.ResetForVillage();
        gameWindow.CloseWindow();
        TEventOperator::Instance().FulfilCondition(20, 1);
        app.ShowEnding();
        return;
    }
    EnterScene(
        [this] {
            auto village = dungFactory->ReturnToVillage();
            herosBase.ResetForVillage();
            return village;
        },
        THeroWhereabouts::Village);
}

int TDungOperator::EnterVillage(bool fromLoad) {
    if (!fromLoad) {
        automap->ResetSeen();
    }
    EnterScene(
        [this, fromLoad] {
            auto village = dungFactory->BuildVillage(fromLoad);
            herosBase.ResetForVillage();
            return village;
        },
        THeroWhereabouts::Village);
    return 1;
}

void TDungOperator::EnterDungeon(int number, bool fromLoad) {
    EnterScene(
        [this, number, fromLoad] {
            auto floar = dungFactory->BuildStage(number, fromLoad);
            dungeonName = floar->GetName();
            return floar;
        },
        THeroWhereabouts::Dungeon);
    automap->AttachDungeon(number, *activeMap, gameWindow.AutomapTarget());
    automap->SelectFloar(activeMap->GetNumber() - 1);
    if (fromLoad) {
        // A save keeps what she wore as marks on her inventory.
        herosBase.ReequipMarked();
    } else {
        automap->RevealAroundHeroine();
    }
}

void TDungOperator::ShowEntrance() {
    ClearScene();
    herosBase.SetWhereabouts(THeroWhereabouts::Entrance);
    gameWindow.CloseWindow();
    entrance.ShowEntranceForm();
}

void TDungOperator::RefreshCursor() {
    if (!gameWindow.HasWindow()) {
        return;
    }
    const TWindowPoint at = gameWindow.PointerInView();
    PointerMoved(at.x, at.y);
}

TOneMat TDungOperator::ViewProj() const {
    TOneMat viewProj;
    engine->GetViewProj(viewProj);
    return viewProj;
}

void TDungOperator::PointerMoved(int x, int y) {
    TMouseCurOpe::Instance().Moved(x, y, ViewProj());
}

void TDungOperator::PointerPressed(int x, int y, bool leftButton) {
    TMouseCurOpe::Instance().Pressed(x, y, ViewProj(), leftButton);
}

void TDungOperator::PointerReleased(int x, int y) {
    TMouseCurOpe::Instance().Released(x, y, ViewProj());
}

void TDungOperator::StartTalk(TTalkDepot& talks) {
    TTalkOperator::Instance().StartTalk(talks);
}

void TDungOperator::TreasureBroughtBack(std::uint8_t eventNo, std::uint8_t itemPosition) {
    TEventOperator::Instance().FulfilCondition(eventNo, itemPosition);
}

void TDungOperator::ShowBlockAt(int x, int y) {
    if (const TDungBlock* block = automap->BlockAtPixel(x, y)) {
        statusView->ShowBlockContents(*block);
    }
}

void TDungOperator::RequestReveal() {
    automap->RequestReveal();
}

TSaveMapping& TDungOperator::SeenSquares() const {
    return automap->Seen();
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
    return herosBase.GetWhereabouts() != THeroWhereabouts::Entrance && MapState() <= 0;
}

bool TDungOperator::CanLoad() const {
    return CanStart();
}

bool TDungOperator::CanSave() const {
    return gameWindow.HasWindow() && herosBase.GetWhereabouts() != THeroWhereabouts::Entrance &&
           MapState() == 0;
}

void TDungOperator::ApplyThreadLevel(int level) {
    gameThread.SetPriorityLevel(level);
}

void TDungOperator::HelpKey(int kind) {
    app.Help(kind);
}
