#pragma once

#include "activemap/Activemap.h"

#include <cstddef>

class TActiveMapDung;

// A turn state of a dungeon floor: what happens when the floor enters it
// and on every tick while it is current. The floor keeps one of each and
// selects them; a state counts its ticks from its entry.
class TState_DungMap final : public IState_AMap {
public:
    TState_DungMap(TActiveMapDung& owner, MapState_Type stateType);

    IActiveMap& GetMap() const override;
    void Enter() override;
    // `allIdle`: the heroine, every enemy and every moving object have
    // finished what they were doing.
    void Tick(bool allIdle) override;
    MapState_Type GetType() const override { return type; }

private:
    // Before the state's main action: a notice being read, a step being walked.
    bool Waiting() const { return tickCount < waitTicks; }
    // The enemies decide; the turn waits for whoever walks, or goes on to
    // the attacks or back to the player at once.
    void StartEnemyTurn(bool dash);
    // Floor events, the fairy, or the heroine's next command.
    void EndTurn();
    // Timed switches count the turn; the turn waits for attacks and moving
    // objects first. True when nothing is left to wait for.
    bool TurnIsClear();
    // The turn goes on with her walk if she walks, else waits for the player.
    void FollowHeroine();
    void FinishHeroAction();
    void NextAttack();
    // A notice or the floor's own wait is over.
    void AfterWait();

    MapState_Type type;
    TActiveMapDung& map;
    int tickCount = 0;
    int waitTicks = 0;
    std::size_t attackerCursor = 0;
    // The level a forced-level floor gave, shown while the state lasts.
    int levelReached = 0;
};
