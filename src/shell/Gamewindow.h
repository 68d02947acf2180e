#pragma once

#include "platform/SingleInstance.h"

#include <string>

class IActiveMap;

// The game window as game code sees it: every Part that talks to the player
// in the village or a dungeon goes through here. A program-wide single
// object made by the dungeon operator; the Qt proxy implements it, and tests
// and the simulator bring their own.
class IGameWindow : public TSingleInstance<IGameWindow> {
public:
    virtual ~IGameWindow() = default;

    // The map the window's commands go to; creates the window if there is none.
    virtual void AttachMap(IActiveMap& map) = 0;
    virtual void SetCaption(const std::string& sjisText) = 0;
    // Closes the window if there is one and answers whether there was.
    virtual bool CloseWindow() = 0;
    virtual bool HasWindow() const = 0;
};
