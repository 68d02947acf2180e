#pragma once

#include "activemap/Scenechanger.h"
#include "actors/Herooutput.h"
#include "actors/Herosbase.h"
#include "save/Savescene.h"
#include "scene/Dx7matrix.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class I3DEngine;
class IActiveMap;
class IEntranceScreen;
class IGameWindow;
class TApp;
class TDX7Factory;
class TDrawMaster;
class TDungFactory;
class TAutoMapping;
class TSaveMapping;
class TStatusView;
class TThr_Game;
struct TPlatformBundle;

// The game's central coordinator: it holds everything that lives for the
// whole game and performs every change of scene, also those a map asks for
// from inside its turn.
class TDungOperator final : public ISceneChanger, public IHeroLinks, public ISaveScene {
public:
    using TMapBuilder = std::function<std::unique_ptr<IActiveMap>()>;

    // The engine is made through the graphics factory; the game window and
    // the game loop's thread and clock come from the platform. The heroine
    // reports to the game window and to the operator while it lives.
    TDungOperator(TApp& owner, THerosBase& heroHolder, TDX7Factory& factory3D,
                  const TPlatformBundle& platform);
    ~TDungOperator() override;
    TDungOperator(const TDungOperator&) = delete;
    TDungOperator& operator=(const TDungOperator&) = delete;

    // A new scene: the loop stops, the old map goes, the new one is built,
    // shown in the game window, and the schedule restarts on it.
    void EnterScene(const TMapBuilder& build, THeroWhereabouts whereabouts);
    // A new game (not from a load) or a loaded one: the village area is
    // built and shown. Answers 1.
    int EnterVillage(bool fromLoad);
    // Dungeon `number` (from 0), afresh or as the loaded save holds it.
    void EnterDungeon(int number, bool fromLoad);
    // Leaves the active map: the loop stops and the map is destroyed.
    void ClearScene();
    // Closes the game window if there is one and answers whether there was.
    bool CloseGameWindow();
    // The game window went away: nothing may be drawn into it any more.
    void GameWindowClosed();
    // The retry command's failure exit from a dungeon.
    void EscapeDungeon();
    // The item command: the equipment screen, below the game window's
    // top-left corner, only while the map waits for the player. Answers the
    // map state that kept it closed, or 0.
    int OpenEquipment();
    // Puts the equipment screen away, as a load must.
    void CloseEquipment();

    // Asked by the save manager.
    void BeforeSave() override;
    void PrepareLoad() override;
    void ResumeAfterLoad() override;
    bool GameShown() const override;

    // Asked by the active map through its proxy.
    void ChangeFloor() override;
    void ChangeVillageArea() override;
    void EndDungeonVisit() override;
    void ShowEntrance() override;
    void RefreshCursor() override;

    // Asked by the heroine.
    void StartTalk(TTalkDepot& talks) override;
    void TreasureBroughtBack(std::uint8_t eventNo, std::uint8_t itemPosition) override;
    void RequestReveal() override;

    // 0: the dungeon and its floor; 1: the village area.
    std::string CaptionText(int kind) const;
    // Set by whoever builds a dungeon, for its captions.
    void SetDungeonName(std::string sjisName) { dungeonName = std::move(sjisName); }

    bool CanStart() const;
    bool CanLoad() const;
    bool CanSave() const;

    void ApplyThreadLevel(int level);
    void HelpKey(int kind);

    // The pointer over the 3D view, in its pixels, seen through the camera
    // of the frame on screen.
    void PointerMoved(int x, int y);
    void PointerPressed(int x, int y, bool leftButton);
    // A click on the automap picture: the status view shows what stands on
    // the seen square there.
    void ShowBlockAt(int x, int y);
    void PointerReleased(int x, int y);
    TStatusView& StatusView() const { return *statusView; }

    // The active map's state, -1 when there is none.
    int MapState() const;
    IActiveMap* ActiveMap() const { return activeMap.get(); }
    // Kept by the heroine holder.
    THeroWhereabouts Whereabouts() const { return herosBase.GetWhereabouts(); }
    I3DEngine& Engine() const { return *engine; }
    // What the heroine has seen of every dungeon floor: kept in saved games,
    // forgotten when the village is entered for a new game.
    TSaveMapping& SeenSquares() const;
    TAutoMapping& Automap() const { return *automap; }
    // The stage and village data the game is built from.
    const TDungFactory& DungFactory() const { return *dungFactory; }

private:
    // The program-wide objects the operator holds, made and released in
    // their fixed orders.
    void CreateProgramObjects(const TPlatformBundle& platform);
    void ReleaseProgramObjects();
    void SuspendLoop();
    void SetActiveMap(std::unique_ptr<IActiveMap> map);
    // The engine's view and projection of the frame on screen.
    TOneMat ViewProj() const;

    TApp& app;
    THerosBase& herosBase;
    IGameWindow& gameWindow;
    std::unique_ptr<TDrawMaster> drawMaster;
    std::unique_ptr<I3DEngine> engine;
    // Builds every dungeon floor and village area.
    std::unique_ptr<TDungFactory> dungFactory;
    // The program-wide automap, made and released with the other objects.
    TAutoMapping* automap = nullptr;
    TThr_Game& gameThread;
    IEntranceScreen& entrance;
    TStatusView* statusView = nullptr;
    std::unique_ptr<IActiveMap> activeMap;
    std::string dungeonName;
};
