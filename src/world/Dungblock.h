#pragma once

#include "actors/Dastate.h"
#include "scene/Dx7matrix.h"
#include "scene/Matrixope.h"
#include "world/Snglcomplist.h"

#include <cstdint>
#include <memory>
#include <utility>

class IDungActer;
class TFighter;
class TFloarActer;
class TItemActer;
class TRoom;
class TTalkDepot;

// What lies in a block's floor place, as far as a turn's end cares.
inline constexpr int FloarKindNone = 0;
inline constexpr int FloarKindExit = 1;
inline constexpr int FloarKindForcedLevel = 2;

// One square of a map grid. Owns the fixtures standing on it (through its
// actor list) and refers to the mobile actor on it, the guest. Walls fill
// whole squares: there is nothing between two blocks.
class TDungBlock : public IMatrixOpe, public TSnglCompList<IDungActer> {
public:
    TDungBlock();
    ~TDungBlock() override;
    TDungBlock(const TDungBlock&) = delete;
    TDungBlock& operator=(const TDungBlock&) = delete;

    IMatrix& GetMat() override { return matrix; }

    // Position, wall object and floor tile, as the floor is built.
    void SetUpBlock(int atX, int atY, std::unique_ptr<IDungActer> wall,
                    std::unique_ptr<IDungActer> tile);
    int GetX() const { return x; }
    int GetY() const { return y; }
    // World x and z of the block's centre.
    std::pair<float, float> GetWorldPos() const;

    void SetWallObje(std::unique_ptr<IDungActer> actor);
    void SetWallSwitch(std::unique_ptr<IDungActer> actor);
    void SetItem(std::unique_ptr<TItemActer> lyingItem);
    void SetFloarActer(std::unique_ptr<TFloarActer> acter);
    void SetFairy(std::unique_ptr<IDungActer> fairy);

    IDungActer* GetWallObje() const { return wallObje; }
    IDungActer* GetWallSwitch() const { return wallSwitch; }
    TItemActer* GetItem() const { return item; }
    IDungActer* GetFairy() const { return fairy; }
    TFloarActer* GetFloarActer() const { return floarActer; }
    IDungActer* GetFloarTile() const { return floarTile; }
    IDungActer* GetGuest() const { return guest; }
    IDungActer* GetArrivingGuest() const { return arrivingGuest; }
    IDungActer* GetLeavingGuest() const { return leavingGuest; }
    TRoom* GetRoom() const { return room; }
    void SetRoom(TRoom* owner) { room = owner; }

    // A walk from A to B: B.ReserveGuest and A.LeaveGuest at the start,
    // A.ClearLeaving and B.ArriveGuest at the end.
    void ReserveGuest(IDungActer* actor) { arrivingGuest = actor; }
    void LeaveGuest();
    void ClearLeaving() { leavingGuest = nullptr; }
    void ArriveGuest();
    void SetGuest(IDungActer* actor);
    void ClearGuest() { guest = nullptr; }

    bool BlocksPassage() const;
    bool BlocksSight() const;
    bool IsWallPiece() const;
    bool IsFree(bool ignoreFloar) const;
    bool IsFreeForHero() const;
    DA_Action ActionFrom(std::uint8_t dir) const;
    // As ActionFrom, but only what the pointer cursor should announce.
    DA_Action CursorActionFrom(std::uint8_t dir) const;
    TTalkDepot* TalkPartnerFrom(std::uint8_t dir) const;
    bool HasFairy() const;
    // FloarKindExit, FloarKindForcedLevel or FloarKindNone.
    int FloarKind() const;
    int ExitDestination(int floor, int& toX, int& toY) const;

    bool AttackGuest(TFighter& attacker);
    void PressWallSwitch(IDungActer& actor);
    // Starts opening the door or chest; returns the key number it needs.
    int OpenDoor();
    int OpenBox();
    void DeleteItem();
    void DeleteFairy();

private:
    bool IsClosedDoor() const;
    void AddFixture(IDungActer*& slot, std::unique_ptr<IDungActer> actor);

    int x = 0;
    int y = 0;
    TOneMat matrix;
    IDungActer* wallObje = nullptr;
    IDungActer* wallSwitch = nullptr;
    TItemActer* item = nullptr;
    IDungActer* fairy = nullptr;
    TFloarActer* floarActer = nullptr;
    IDungActer* floarTile = nullptr;
    IDungActer* guest = nullptr;
    IDungActer* arrivingGuest = nullptr;
    IDungActer* leavingGuest = nullptr;
    TRoom* room = nullptr;
};
