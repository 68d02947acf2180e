#pragma once

#include "activemap/Activemap.h"
#include "platform/SingleInstance.h"

#include <cstdint>

class IDungActer;
class ISceneChanger;
class TDungBlock;

// How actors reach the map being played: the spatial questions of the game
// rules and the changes of scene. One for the program, made by the dungeon
// operator with itself as the scene changer.
class TActiveMapProxy : public TSingleInstance<TActiveMapProxy> {
public:
    // Without a scene changer every change of scene is refused.
    explicit TActiveMapProxy(ISceneChanger* changer) : sceneChanger(changer) {}

    static TActiveMapProxy& Instance();

    void SetMap(IActiveMap* activeMap) { map = activeMap; }
    IActiveMap* GetMap() const { return map; }
    // The map's turn state, or -1 without a map.
    int GetMapState() const;
    void SaveActorStates();
    // None without a map and outside its grid.
    TDungBlock* BlockAt(int col, int row) const;

    // None for dir 8 and outside the grid; no corner rule.
    TDungBlock* GetNeighbour(const TDungBlock* block, std::uint8_t dir) const;
    // A diagonal step is blocked when either straight block beside it blocks passage.
    bool IsDiagonalBlocked(const TDungBlock* block, std::uint8_t dir) const;
    TDungBlock* GetOpenNeighbour(const TDungBlock* block, std::uint8_t dir) const;
    // The direction of an open step onto the heroine's block, or 8.
    std::uint8_t DirectionToHero(const TDungBlock* block) const;
    // Where a patrol in a corridor turns next: straight on with two thirds.
    std::uint8_t ChooseWanderDirection(const TDungBlock* block, std::uint8_t dir) const;
    // The heroine's block as an enemy on `block` facing `dir` sees her, or
    // none; `seenDir` gets her facing when she is seen leaving.
    TDungBlock* LocateHero(const TDungBlock* block, std::uint8_t dir, std::uint8_t& seenDir) const;
    bool DashMustStop(const TDungBlock* block, const TDungBlock* fromBlock, std::uint8_t dir) const;
    // What the cursor announces for a click in direction dir.
    DA_Action FrontAction(std::uint8_t dir) const;

    // Drop the record of a taken item, a met fairy or a used force from the
    // floor's save lists; an error without a map that keeps them.
    void ForgetItem(const std::uint8_t* record);
    void ForgetObject(const std::uint8_t* record);
    // A door, switch or chest starts to move, a timed floor switch to count
    // turns, on the map being played; an error without one.
    void AddPendingObject(IDungActer& actor);
    void AddTimedSwitch(IDungActer& floarSwitch);

    void ChangeFloor();
    void ChangeVillageArea();
    void EndDungeonVisit();
    void ShowEntrance();
    void RefreshCursor();

private:
    IActiveMap& MapKeepingRecords() const;
    IActiveMap& MapWithMovingObjects() const;
    ISceneChanger& SceneChanger() const;

    ISceneChanger* sceneChanger;
    IActiveMap* map = nullptr;
};
