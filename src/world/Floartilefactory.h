#pragma once

#include "platform/SingleInstance.h"
#include "world/WOPlanDepot.h"

#include <cstdint>
#include <memory>

class IActerBodySource;
class TDungWall;

// Makes the floor tiles from their plans. One per program, made and released
// by the dungeon actor factory.
class TFloarTileFactory : public TSingleInstance<TFloarTileFactory> {
public:
    // Reads the plan file; `bodies` must outlive the factory.
    explicit TFloarTileFactory(const IActerBodySource& bodies);

    // An id without a plan raises TGameError.
    std::unique_ptr<TDungWall> NewFloorTile(std::int32_t id) const;

private:
    const IActerBodySource& bodies;
    TWOPlanDepot<TObjePlanMini> tiles;
};
