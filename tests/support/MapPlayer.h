#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class IActiveMap;

// Plays the map being played tick by tick, as the game loop does, with the
// player's commands given as a player gives them. What is played is the
// deriving world's map, which may go away during a tick.
class TMapPlayer {
public:
    // Ticks of the map, at most `ticks`: the state after each, as runs of
    // equal states ("1x4 0x1"); "-" once the map is gone, and no more ticks.
    std::string Play(int ticks);
    // Ticks until the map waits for the player again or is gone; the states
    // as Play gives them.
    std::string PlayTurn();
    // The player holds the move key `dir` until she walks, then lets go; the
    // turn is played to its end.
    std::string Step(std::uint8_t dir);
    // The player presses the action button for one tick; the turn is played
    // to its end.
    std::string Act();
    // The map waits for the player's next command.
    bool Waiting() const;

    // When set, how long each tick of the map took.
    std::vector<std::chrono::nanoseconds>* tickTimes = nullptr;

protected:
    TMapPlayer() = default;
    ~TMapPlayer() = default;
    TMapPlayer(const TMapPlayer&) = delete;
    TMapPlayer& operator=(const TMapPlayer&) = delete;

    // The map being played, or none.
    virtual IActiveMap* PlayedMap() const = 0;
    // Ticks until `done` (given the tick's number from 1) says so.
    std::string Run(int ticks, const std::function<bool(int)>& done);
};
