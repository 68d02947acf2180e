#pragma once

#include "activemap/Activemap.h"

class TActiveMapTown;

// A turn state of a village area. The village has no enemies and nothing
// that moves on its own: its states only follow the heroine's steps and
// actions, keep the map still during a talk and change the scene at an exit.
// A state counts its ticks from its entry.
class TState_TownMap final : public IState_AMap {
public:
    TState_TownMap(TActiveMapTown& owner, MapState_Type stateType);

    IActiveMap& GetMap() const override;
    void Enter() override;
    // `heroIdle`: the heroine has finished what she was doing.
    void Tick(bool heroIdle) override;
    MapState_Type GetType() const override { return type; }

private:
    // Before the state's main action: a step being walked, an exit's pause.
    bool Waiting() const { return tickCount < waitTicks; }
    // The map follows what the heroine has started: a talk, or a turn.
    void FollowHeroine(bool heroIdle);
    // Her step is over: an exit under her, or her next command.
    void EndStep();

    MapState_Type type;
    TActiveMapTown& map;
    int tickCount = 0;
    int waitTicks = 0;
};
