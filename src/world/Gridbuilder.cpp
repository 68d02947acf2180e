#include "world/Gridbuilder.h"

#include "actors/Dungactfactory.h"
#include "actors/Floaractersub.h"
#include "world/BlockRecords.h"
#include "world/Dungblock.h"
#include "world/Dungroom.h"
#include "world/Dungwall.h"
#include "world/Floartilefactory.h"
#include "world/Wallobjefactory.h"

std::unique_ptr<TDungBlock> NewBlock(int x, int y, std::uint8_t wallKind, std::uint8_t tileKind) {
    std::unique_ptr<IDungActer> wall;
    if (wallKind != 0) {
        wall = TWallObjeFactory::Instance().NewWallPiece(wallKind);
    }
    std::unique_ptr<IDungActer> tile;
    if (tileKind != 0) {
        tile = TFloarTileFactory::Instance().NewFloorTile(tileKind);
    }
    auto block = std::make_unique<TDungBlock>();
    block->SetUpBlock(x, y, std::move(wall), std::move(tile));
    return block;
}

void AddToRoom(std::vector<std::unique_ptr<TRoom>>& rooms, int number, TDungBlock& block) {
    while (static_cast<int>(rooms.size()) < number) {
        rooms.push_back(std::make_unique<TRoom>(static_cast<int>(rooms.size()) + 1));
    }
    TRoom& room = *rooms[static_cast<std::size_t>(number - 1)];
    room.AddBlock(&block);
    block.SetRoom(&room);
}

void PlaceFloarFixture(TDungActFactory& actors, TDungBlock& block, const TBlockFloar& record) {
    std::unique_ptr<TRecordedFloar> acter;
    switch (record.kind) {
    case BF_Exit:
        acter = actors.NewExit(record.subKind);
        break;
    case BF_LevelFloar:
        acter = actors.NewLevelFloor(record.subKind);
        break;
    case BF_ForcedLevelFloar:
        acter = actors.NewForcedLevelFloor(record.subKind);
        break;
    default:
        return;
    }
    TRecordedFloar& placed = *acter;
    block.SetFloarActer(std::move(acter));
    placed.PlaceFloor(&block, record);
}
