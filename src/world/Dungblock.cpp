#include "world/Dungblock.h"

#include "activemap/Activemapproxy.h"
#include "actors/Fighter.h"
#include "actors/Floaracter.h"
#include "actors/Idungacter.h"
#include "actors/Itemacter.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Base3dutil.h"

namespace {

bool IsKind(const IDungActer* actor, TActerKind kind) {
    return actor && actor->GetKind() == kind;
}

} // namespace

TDungBlock::TDungBlock() = default;

TDungBlock::~TDungBlock() = default;

void TDungBlock::SetUpBlock(int atX, int atY, std::unique_ptr<IDungActer> wall,
                            std::unique_ptr<IDungActer> tile) {
    x = atX;
    y = atY;
    if (wall) {
        wallObje = wall.get();
        Add(std::move(wall));
        wallObje->PlaceOn(this);
    }
    if (tile) {
        floarTile = tile.get();
        Add(std::move(tile));
    }
    matrix.Move(WorldXOfBlock(x), 0.0f, WorldZOfBlock(y));
}

std::pair<float, float> TDungBlock::GetWorldPos() const {
    return {WorldXOfBlock(x), WorldZOfBlock(y)};
}

void TDungBlock::AddFixture(IDungActer*& slot, std::unique_ptr<IDungActer> actor) {
    slot = actor.get();
    Add(std::move(actor));
}

void TDungBlock::SetWallObje(std::unique_ptr<IDungActer> actor) {
    if (wallObje) {
        throw TGameError(Sjis("壁物体二重セットエラー"));
    }
    AddFixture(wallObje, std::move(actor));
}

void TDungBlock::SetWallSwitch(std::unique_ptr<IDungActer> actor) {
    if (wallSwitch) {
        throw TGameError(Sjis("壁スイッチ二重セットエラー"));
    }
    AddFixture(wallSwitch, std::move(actor));
}

void TDungBlock::SetItem(std::unique_ptr<TItemActer> lyingItem) {
    if (item) {
        throw TGameError(Sjis("アイテム二重セットエラー"));
    }
    item = lyingItem.get();
    Add(std::move(lyingItem));
}

void TDungBlock::SetFloarActer(std::unique_ptr<TFloarActer> acter) {
    if (floarActer) {
        throw TGameError(Sjis("床二重セットエラー"));
    }
    floarActer = acter.get();
    Add(std::move(acter));
}

void TDungBlock::SetFairy(std::unique_ptr<IDungActer> newFairy) {
    if (fairy) {
        throw TBareText{Sjis("妖精の二重セット")};
    }
    AddFixture(fairy, std::move(newFairy));
}

void TDungBlock::LeaveGuest() {
    leavingGuest = guest;
    guest = nullptr;
}

void TDungBlock::ArriveGuest() {
    guest = arrivingGuest;
    arrivingGuest = nullptr;
    if (floarActer && IsKind(guest, TActerKind::Hero)) {
        floarActer->HeroArrived();
    }
}

void TDungBlock::SetGuest(IDungActer* actor) {
    if (guest) {
        throw TBareText{Sjis("ゲストダンジョンアクターの二重セット")};
    }
    guest = actor;
}

bool TDungBlock::IsClosedDoor() const {
    return IsKind(wallObje, TActerKind::Door) && !wallObje->IsOpen();
}

bool TDungBlock::BlocksPassage() const {
    return IsKind(wallObje, TActerKind::DungWall) || IsKind(wallObje, TActerKind::Counter) ||
           IsKind(wallObje, TActerKind::Box) || IsClosedDoor();
}

bool TDungBlock::BlocksSight() const {
    return IsKind(wallObje, TActerKind::DungWall) || IsClosedDoor();
}

bool TDungBlock::IsWallPiece() const {
    return IsKind(wallObje, TActerKind::DungWall);
}

bool TDungBlock::IsFree(bool ignoreFloar) const {
    if (BlocksPassage() || guest || arrivingGuest) {
        return false;
    }
    return ignoreFloar || !floarActer || floarActer->MayOthersEnter();
}

bool TDungBlock::IsFreeForHero() const {
    return IsFree(true) && (!floarActer || floarActer->MayHeroEnter());
}

DA_Action TDungBlock::ActionFrom(std::uint8_t dir) const {
    if (guest) {
        return guest->ActionFor(dir);
    }
    if (wallSwitch) {
        return wallSwitch->ActionFor(dir);
    }
    if (wallObje) {
        return wallObje->ActionFor(dir);
    }
    return dac_Attack;
}

DA_Action TDungBlock::CursorActionFrom(std::uint8_t dir) const {
    if (guest) {
        return guest->ActionFor(dir);
    }
    IDungActer* fixture = wallSwitch ? wallSwitch : wallObje;
    if (!fixture) {
        return dac_None;
    }
    const DA_Action action = fixture->ActionFor(dir);
    return action == dac_Attack ? dac_None : action;
}

TTalkDepot* TDungBlock::TalkPartnerFrom(std::uint8_t dir) const {
    if (guest) {
        return guest->TalkPartnerFor(dir);
    }
    if (wallObje) {
        return wallObje->TalkPartnerFor(dir);
    }
    return nullptr;
}

bool TDungBlock::HasFairy() const {
    return IsKind(fairy, TActerKind::Angel);
}

int TDungBlock::FloarKind() const {
    if (IsKind(floarActer, TActerKind::FloarExit)) {
        return FloarKindExit;
    }
    if (IsKind(floarActer, TActerKind::FloarForcedLV)) {
        return FloarKindForcedLevel;
    }
    return FloarKindNone;
}

int TDungBlock::ExitDestination(int floor, int& toX, int& toY) const {
    return floarActer ? floarActer->GetDestination(floor, toX, toY) : 0;
}

bool TDungBlock::AttackGuest(TFighter& attacker) {
    if (!guest) {
        return false;
    }
    // The hit comes back along the attacker's facing; it cannot cut a walled corner.
    if (TActiveMapProxy::Instance().IsDiagonalBlocked(this, ReverseWay(attacker.GetDirection()))) {
        return false;
    }
    return guest->AttackedBy(attacker);
}

void TDungBlock::PressWallSwitch(IDungActer& actor) {
    if (wallSwitch) {
        wallSwitch->OperatedBy(actor);
    }
}

int TDungBlock::OpenDoor() {
    if (!IsKind(wallObje, TActerKind::Door)) {
        throw TGameError(Sjis("ドアを開ける処理エラー"));
    }
    return wallObje->OpenByHeroine();
}

int TDungBlock::OpenBox() {
    if (!IsKind(wallObje, TActerKind::Box)) {
        throw TGameError(Sjis("宝箱を開ける処理エラー"));
    }
    return wallObje->OpenByHeroine();
}

void TDungBlock::DeleteItem() {
    if (!item) {
        return;
    }
    TActiveMapProxy::Instance().ForgetItem(item->GetRecord());
    Remove(item);
    item = nullptr;
}

void TDungBlock::DeleteFairy() {
    if (!fairy) {
        return;
    }
    TActiveMapProxy::Instance().ForgetObject(fairy->GetRecord());
    Remove(fairy);
    fairy = nullptr;
}
