#pragma once

#include "platform/SingleInstance.h"
#include "world/WOPlanDepot.h"

#include <cstdint>
#include <memory>

class IActerBodySource;
class IDungActer;
class TDungWall;

// The block records' wall object id that makes a counter.
inline constexpr std::int32_t CounterPieceId = 5;

// Makes the one-block wall pieces and the big village objects from their
// plans. One per program, made and released by the dungeon actor factory.
class TWallObjeFactory : public TSingleInstance<TWallObjeFactory> {
public:
    // Reads both plan files; `bodies` must outlive the factory.
    explicit TWallObjeFactory(const IActerBodySource& bodies);

    // A counter for the counter id, whatever body its plan names; a wall
    // piece for any other id. An id without a plan raises TGameError.
    std::unique_ptr<IDungActer> NewWallPiece(std::int32_t id) const;
    std::unique_ptr<TDungWall> NewBigObject(std::int32_t id) const;

private:
    const IActerBodySource& bodies;
    TWOPlanDepot<TObjePlanMini> walls;
    TWOPlanDepot<TBigObjePlan> bigObjects;
};
