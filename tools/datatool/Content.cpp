#include "Content.h"

TContent ReadContent(const std::filesystem::path& sourceDir) {
    TContent content;
    content.sourceDir = sourceDir;
    content.stages = ReadStageSources(sourceDir);
    content.town = ReadTownSource(sourceDir);
    content.pieces = ReadPieceSource(sourceDir);
    content.areas = ReadAreaSource(sourceDir);
    content.enemies = ReadEnemySource(sourceDir);
    content.items = ReadItemSource(sourceDir);
    content.people = ReadPeopleSources(sourceDir);
    content.events = ReadEventSource(sourceDir);
    content.graphics = ReadGraphicsSource(sourceDir);
    content.objects = ReadObjectSource(sourceDir);
    content.motions = ReadMotionSource(sourceDir);
    content.acters = ReadActerSource(sourceDir);
    return content;
}
