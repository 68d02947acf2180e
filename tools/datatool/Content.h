#pragma once

#include "ActerSource.h"
#include "AreaSource.h"
#include "EnemySource.h"
#include "EventSource.h"
#include "GraphicsSource.h"
#include "ItemSource.h"
#include "MotionSource.h"
#include "ObjectSource.h"
#include "PeopleSource.h"
#include "PieceSource.h"
#include "StageSource.h"
#include "TownSource.h"

#include <filesystem>
#include <optional>

// Everything read from a source folder; a family whose source is missing is
// left empty.
struct TContent {
    std::filesystem::path sourceDir;
    std::optional<TStagesSource> stages;
    std::optional<TTownSource> town;
    std::optional<TPiecesSource> pieces;
    std::optional<TAreasSource> areas;
    std::optional<TEnemiesSource> enemies;
    std::optional<TItemsSource> items;
    std::optional<TPeopleSource> people;
    std::optional<TEventsSource> events;
    std::optional<TGraphicsSource> graphics;
    std::optional<TObjectsSource> objects;
    std::optional<TMotionsSource> motions;
    std::optional<TActersSource> acters;
};

// Raises TSourceError at the first source that cannot be read.
TContent ReadContent(const std::filesystem::path& sourceDir);
