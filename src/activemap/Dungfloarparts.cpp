#include "activemap/Dungfloarparts.h"

#include "actors/Enemy.h"
#include "world/Dungroom.h"

TDungFloarParts::TDungFloarParts() = default;
TDungFloarParts::~TDungFloarParts() = default;
TDungFloarParts::TDungFloarParts(TDungFloarParts&&) noexcept = default;
TDungFloarParts& TDungFloarParts::operator=(TDungFloarParts&&) noexcept = default;

TVillageAreaParts::TVillageAreaParts() = default;
TVillageAreaParts::~TVillageAreaParts() = default;
TVillageAreaParts::TVillageAreaParts(TVillageAreaParts&&) noexcept = default;
TVillageAreaParts& TVillageAreaParts::operator=(TVillageAreaParts&&) noexcept = default;
