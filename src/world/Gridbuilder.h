#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class TDungActFactory;
class TDungBlock;
class TRoom;
struct TBlockFloar;

// A block at (x, y) with the wall piece and floor tile of those plan ids
// (0: none).
std::unique_ptr<TDungBlock> NewBlock(int x, int y, std::uint8_t wallKind, std::uint8_t tileKind);

// Puts the block into room `number` (from 1), room n being rooms[n - 1];
// numbers that no block uses below it make empty rooms.
void AddToRoom(std::vector<std::unique_ptr<TRoom>>& rooms, int number, TDungBlock& block);

// An exit, level floor or forced level floor of a floor actor record on its
// block; other kinds place nothing.
void PlaceFloarFixture(TDungActFactory& actors, TDungBlock& block, const TBlockFloar& record);
