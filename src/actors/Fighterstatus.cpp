#include "actors/Fighterstatus.h"

namespace {

class TNoStatus final : public IFighterStatus {
public:
    void UpdateHP(TFighter&) override {}
    void Forget(TFighter&) override {}
};

std::shared_ptr<IFighterStatus>& Installed() {
    static std::shared_ptr<IFighterStatus> installed;
    return installed;
}

} // namespace

IFighterStatus& FighterStatus() {
    static TNoStatus none;
    return Installed() ? *Installed() : static_cast<IFighterStatus&>(none);
}

std::shared_ptr<IFighterStatus> InstallFighterStatus(std::shared_ptr<IFighterStatus> status) {
    std::shared_ptr<IFighterStatus> previous = std::move(Installed());
    Installed() = std::move(status);
    return previous;
}
