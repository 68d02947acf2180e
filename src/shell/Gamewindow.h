#pragma once

#include "actors/Herooutput.h"
#include "platform/SingleInstance.h"

#include <string>

class IActiveMap;

// The game window as game code sees it: everything the game shows the player
// in the village or a dungeon goes through here, the heroine's values and
// remarks too. A program-wide single object made by the dungeon operator;
// the Qt proxy implements it, and tests and the simulator bring their own.
class IGameWindow : public TSingleInstance<IGameWindow>, public IHeroView {
public:
    ~IGameWindow() override = default;

    // The map the window's commands go to; creates the window if there is none.
    virtual void AttachMap(IActiveMap& map) = 0;
    virtual void SetCaption(const std::string& sjisText) = 0;
    // Closes the window if there is one and answers whether there was.
    virtual bool CloseWindow() = 0;
    virtual bool HasWindow() const = 0;
};
