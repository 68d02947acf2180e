#include "world/Floartilefactory.h"

#include "world/Dungwall.h"

TFloarTileFactory::TFloarTileFactory(const IActerBodySource& bodySource)
    : bodies(bodySource), tiles(FloarObjeFile) {}

std::unique_ptr<TDungWall> TFloarTileFactory::NewFloorTile(std::int32_t id) const {
    return std::make_unique<TDungWall>(PieceBody(bodies, tiles.RequirePlan(id).bodyNumber));
}
