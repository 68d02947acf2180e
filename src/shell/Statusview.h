#pragma once

#include "activemap/Ite_activemap.h"
#include "actors/Fighterstatus.h"
#include "actors/Herooutput.h"
#include "shell/Gamewindow.h"

#include <string>

class IActiveMap;
class IDungActer;
class IMatrix;
class TDungBlock;
class TFighter;
class THero;
class TItemActer;

// Keeps the game window's value labels up to date: the heroine's, and those of
// the one enemy or item the player looks at, with a picture that compares it
// with her at a glance. It finds the cell under a point of the 3D view, so
// that a thing can be looked at by pointing at it, and shows the remark line.
// The heroine and combat report here; everything goes out through the game
// window.
class TStatusView final : public IFighterStatus, public IHeroView {
public:
    // Both must outlive the status view.
    TStatusView(IGameWindow& gameWindow, THero& heroine);

    // A scene shown in the window: nothing looked at, her values, and
    // picking on `map` within the window's 3D view.
    void BindMap(const IActiveMap& map);
    // The scene's map goes: nothing is looked at or picked any more.
    void UnbindMap();

    void ShowHero(THero& shown) override;
    void UpdateHeroPower(THero& shown) override;
    void UpdateNext(THero& shown) override;
    void UpdateComparison() override;
    void ForgetItem(const TItemActer& item) override;
    void ShowRemark(const std::string& sjisText) override;
    void ShowLevelUp(bool on) override;
    void ShowCollapsed(bool on) override;
    void ShowRecovered(bool on) override;
    void ShowSwordBroken(bool on) override;
    void ShowLevelReached(int level, bool on) override;

    // The heroine's or the looked-at enemy's hit points; others are ignored.
    void UpdateHP(TFighter& fighter) override;
    // A fighter left the floor: it can no longer be looked at.
    void Forget(TFighter& fighter) override;

    // None shows that nothing is looked at.
    void ShowEnemy(TFighter* enemy);
    void ShowItem(TItemActer* item);
    // The enemy standing on the block, else the item lying on it.
    void ShowBlockContents(const TDungBlock& block);
    // x, y in the 3D view's pixels; viewProj the engine's view and projection.
    void ShowBlockContentsAt(const IMatrix& viewProj, int x, int y);
    // The enemy on the cell under the point, else the item on it, or none.
    IDungActer* ThingAtScreen(const IMatrix& viewProj, int x, int y);
    // The cell whose top face covers the point: the first row from the north
    // whose band of screen rows holds y, and in it the first cell whose span
    // holds x; none when that row has no such cell.
    TDungBlock* BlockAtScreen(const IMatrix& viewProj, int x, int y);

    TFighter* ShownEnemy() const { return shownEnemy; }
    TItemActer* ShownItem() const { return shownItem; }

private:
    void Write(TStatusLabel label, const std::string& sjisText);
    void WriteNumber(TStatusLabel label, int value);
    void CompareEnemy();
    void CompareItem();
    // Whether `at` lies between the screen positions of the block's far-left
    // and near-right top corners: their rows, or their columns.
    bool CornersSpan(TDungBlock& block, const IMatrix& viewProj, bool rows, int at) const;

    IGameWindow& window;
    THero& hero;
    TFighter* shownEnemy = nullptr;
    TItemActer* shownItem = nullptr;
    // Over the bound map; over none between scenes.
    TIte_Map_GetBlock cells;
    TViewSize view;
};
