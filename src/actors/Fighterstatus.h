#pragma once

#include <memory>

class TFighter;

// Where combat reports to the status view: hit points changed, a fighter
// left the floor. The UI installs the view; until then nothing is shown.
class IFighterStatus {
public:
    virtual ~IFighterStatus() = default;
    virtual void UpdateHP(TFighter& fighter) = 0;
    virtual void Forget(TFighter& fighter) = 0;
};

IFighterStatus& FighterStatus();
// Installs a view; returns the one it replaces. Pass nullptr for none.
std::shared_ptr<IFighterStatus> InstallFighterStatus(std::shared_ptr<IFighterStatus> status);
