#pragma once

#include "Content.h"

#include <cstdint>

// Whether the content defines what a record names. A table whose source is
// missing defines nothing.
bool HasItem(const TContent& content, std::uint8_t kind, std::int32_t id);
bool HasWallPlan(const TContent& content, std::int32_t id);
bool HasBigObjectPlan(const TContent& content, std::int32_t id);
bool HasFloarTilePlan(const TContent& content, std::int32_t id);
