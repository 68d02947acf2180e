#pragma once

#include "actors/Acterbody.h"
#include "actors/Acterkind.h"
#include "actors/Dastate.h"
#include "actors/Idastate.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class TDungBlock;
class TFighter;
class TTalkDepot;

// The states a kind supports, built once per kind and shared by its actors.
using TDAStateSet = std::vector<DA_State>;

// Everything that stands on the grid. Owns its body and its state objects.
class IDungActer : public IMatrixOpe {
public:
    explicit IDungActer(std::unique_ptr<IActerBody> body);
    ~IDungActer() override;
    IDungActer(const IDungActer&) = delete;
    IDungActer& operator=(const IDungActer&) = delete;

    // The matrix operations move the body; a bodiless actor has nothing to move.
    void Scale(float x, float y, float z) override;
    void XRota(float deg) override;
    void YRota(float deg) override;
    void ZRota(float deg) override;
    void Move(float x, float y, float z) override;
    void Modified(int n) override;
    void XRotaAxis(float deg, float y, float z) override;
    void YRotaAxis(float deg, float x, float z) override;
    void ZRotaAxis(float deg, float x, float y) override;
    void Init() override;
    // The body's matrix; only for actors that have a body.
    IMatrix& GetMat() override;

    // x at byte 4, y at 6, direction at 8; null for kinds without a record.
    virtual std::uint8_t* GetRecord() = 0;
    virtual void SetIdleMotion();
    // The record by which the floor's save lists know the actor.
    virtual std::uint8_t* GetIdentity() = 0;
    virtual DA_Action ActionFor(std::uint8_t dir) = 0;
    // Reacts to a hit; true when the hit wears the attacker's sword.
    virtual bool AttackedBy(TFighter& attacker);
    virtual void OperatedBy(IDungActer& actor);
    virtual void Link(IDungActer& other);
    virtual void LinkedChanged(IDungActer& notifier);
    virtual TTalkDepot* TalkPartnerFor(std::uint8_t dir);
    virtual void PlaceOn(TDungBlock* onBlock);
    // Once per dungeon turn for registered actors; true asks to be dropped.
    virtual bool TurnPassed();
    virtual TActerKind GetKind() const { return TActerKind::Other; }
    // The fighter an actor is (the heroine, an enemy, a person), or none.
    virtual TFighter* AsFighter() { return nullptr; }
    // The variant of its kind as the data numbers it: the sub-kind of a
    // door or an exit, a floor switch's kind, a level floor's value, the level a
    // forced-level floor sets, an enemy's record kind (enemy or obstacle
    // block); 0 for kinds without variants.
    virtual int GetSubKind() const { return 0; }
    // Doors and chests: whether it stands open, and the heroine opening it
    // (the key number its lock needs). Any other actor raises.
    virtual bool IsOpen() const;
    virtual int OpenByHeroine();
    // Enemies: whether it guards its place, so that patrols route around it.
    // Any other actor raises.
    virtual bool IsKeeper() const;
    // The block a walking actor is heading for; none for actors that never walk.
    virtual TDungBlock* GetDestination() const { return nullptr; }

    // One game step: the body's motion, then the current state. True when the
    // state has finished (the null state: when the motion has run out).
    bool Tick();
    DA_State GetStateId() const;
    IDA_State* GetState() const { return current; }
    void SetState(IDA_State* state);
    IDA_State* StateOf(DA_State id) const;
    void Reserve(IDA_State* state) { reserved = state; }
    // An order for later: the state `id` with its parameter, reserved.
    void ReserveOrder(DA_State id, std::uint8_t param);
    IDA_State* GetReserved() const { return reserved; }
    // Enters the reserved state, if any; the reservation stays.
    bool TakeReserved();
    static IDA_State* NullState();

    std::uint8_t GetDirection();
    void SetDirection(std::uint8_t dir);
    // Turns the body at once and stores the new direction.
    void TurnTo(std::uint8_t dir);
    void SetMotion(int n);
    void ShowPart(int n, bool visible);
    // Changes block and record position; the body keeps its transform.
    void MoveTo(TDungBlock* toBlock);
    TDungBlock* GetBlock() const { return block; }
    TDungBlock* FrontBlock();
    // Leaves the block's guest slot; the actor keeps its block. Whoever
    // holds the actor destroys it, where no walk over its list runs.
    void LeaveFloor();

    IActerBody* GetBody() const { return body.get(); }

protected:
    // One state object per value of the kind's set, made by `make`.
    void CreateStates(const TDAStateSet& kinds,
                      const std::function<std::unique_ptr<IDA_State>(DA_State)>& make);

private:
    std::unique_ptr<IActerBody> body;
    IDA_State* current = nullptr;
    IDA_State* reserved = nullptr;
    std::map<DA_State, std::unique_ptr<IDA_State>> states;
    TDungBlock* block = nullptr;
};
