#include "world/Wallobjefactory.h"

#include "world/Dungwall.h"

TWallObjeFactory::TWallObjeFactory(const IActerBodySource& bodySource)
    : bodies(bodySource), walls(WallObjeFile), bigObjects(BigWallObjeFile) {}

std::unique_ptr<IDungActer> TWallObjeFactory::NewWallPiece(std::int32_t id) const {
    auto body = PieceBody(bodies, walls.RequirePlan(id).bodyNumber);
    if (id == CounterPieceId) {
        return std::make_unique<TCounter>(std::move(body));
    }
    return std::make_unique<TDungWall>(std::move(body));
}

std::unique_ptr<TDungWall> TWallObjeFactory::NewBigObject(std::int32_t id) const {
    return std::make_unique<TDungWall>(PieceBody(bodies, bigObjects.RequirePlan(id).bodyNumber));
}
