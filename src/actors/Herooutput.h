#pragma once

#include <cstdint>
#include <string>

class THero;
class TItemActer;
class TTalkDepot;

// What the heroine shows the player: her values, the remark line and the
// notices of the game window. The game window implements it.
class IHeroView {
public:
    virtual ~IHeroView() = default;
    // All her values: hit points, maximum, attack, defence, level, NEXT.
    virtual void ShowHero(THero& hero) = 0;
    // Attack and defence, after her equipment changed; compares again.
    virtual void UpdateHeroPower(THero& hero) = 0;
    // Enemies still to defeat before the next level.
    virtual void UpdateNext(THero& hero) = 0;
    // Compares the enemy or item being looked at with her once more.
    virtual void UpdateComparison() = 0;
    // She took this item: it can no longer be looked at.
    virtual void ForgetItem(const TItemActer& item) = 0;
    // One line such as a found item; the empty text hides the line.
    virtual void ShowRemark(const std::string& sjisText) = 0;
    // The notices over the 3D view while the floor answers her turn: shown
    // with their text, or hidden.
    virtual void ShowLevelUp(bool on) = 0;
    virtual void ShowCollapsed(bool on) = 0;
    virtual void ShowRecovered(bool on) = 0;
    virtual void ShowSwordBroken(bool on) = 0;
    virtual void ShowLevelReached(int level, bool on) = 0;
};

// What her actions start beyond the floor she stands on: talks, the story's
// conditions and the automap. The dungeon operator, which holds those,
// implements it.
class IHeroLinks {
public:
    virtual ~IHeroLinks() = default;
    virtual void StartTalk(TTalkDepot& talks) = 0;
    // She came back alive with the treasure a story event waits for.
    virtual void TreasureBroughtBack(std::uint8_t eventNo, std::uint8_t itemPosition) = 0;
    // She has finished a walk: the automap shows what she sees next turn.
    virtual void RequestReveal() = 0;
};
