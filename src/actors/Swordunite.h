#pragma once

#include "actors/Equiprows.h"

#include <array>
#include <string>

class IItemImp;
class THero;

enum class TUniteMode { Idle = 0, Choosing = 1, Done = 2 };

// What the synthesis panel shows.
struct TUnitePanel {
    bool shown = false;
    // The instruction line, Shift-JIS.
    std::string instruction;
    // The base sword and the sword it absorbs; empty rows until chosen.
    std::array<TEquipRowText, 2> rows;
    // "実行" may be pressed.
    bool executeEnabled = false;
    // The caption of the button that leaves the synthesis: "ｷｬﾝｾﾙ" or "終了".
    std::string leaveCaption;
    bool operator==(const TUnitePanel&) const = default;
};

// Sword synthesis: the player chooses a base sword and a second one, and the
// base absorbs the second. Only swords found in the current dungeon (lost on
// leaving it) take part, as base and as material.
class TSwordUnite {
public:
    TSwordUnite();

    // Both choices are open again.
    void Start();
    // The player chose `item`; a refused one only says why.
    void Choose(IItemImp* item);
    // Combines the chosen swords in her hands and answers the sword that was
    // absorbed, which the caller takes from her; null, changing nothing,
    // unless both were chosen.
    IItemImp* Execute(THero& hero);
    void Cancel();

    TUniteMode Mode() const { return mode; }
    const TUnitePanel& Panel() const { return panel; }

private:
    IItemImp* base = nullptr;
    IItemImp* material = nullptr;
    TUniteMode mode = TUniteMode::Idle;
    TUnitePanel panel;
};
