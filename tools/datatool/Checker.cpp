#include "Checker.h"

#include "CheckBodies.h"
#include "CheckDataRules.h"
#include "CheckMaps.h"
#include "CheckScene.h"
#include "CheckStory.h"

namespace {

// Every source the game needs must be there.
void CheckPresence(const TContent& content, TCheckSink& sink) {
    const auto require = [&](bool present, const char* name) {
        if (!present) {
            sink.Add({name, 0}, "missing: the game needs it");
        }
    };
    require(content.stages.has_value(), "stages/");
    require(content.town.has_value(), "town.yaml");
    require(content.pieces && content.pieces->walls, "pieces.yaml (walls)");
    require(content.pieces && content.pieces->bigObjects, "pieces.yaml (big_objects)");
    require(content.pieces && content.pieces->floarTiles, "pieces.yaml (floor_tiles)");
    require(content.areas.has_value(), "areas.yaml");
    require(content.enemies.has_value(), "enemies.yaml");
    require(content.items && content.items->items, "items.yaml (keys, tools)");
    require(content.items && content.items->equipment, "items.yaml (equipment)");
    require(content.people.has_value(), "people/");
    require(content.events.has_value(), "events.yaml");
    require(content.graphics.has_value(), "graphics.yaml");
    require(content.objects.has_value(), "objects.yaml");
    require(content.motions.has_value(), "motions.yaml");
    require(content.acters.has_value(), "acters.yaml");
}

// The game goes by a record's own type; a record listed under another type
// is most likely misplaced.
void CheckEquipmentLists(const TContent& content, TCheckSink& sink) {
    if (!content.items || !content.items->equipment) {
        return;
    }
    const auto& data = *content.items->equipment;
    for (size_t i = 0; i < data.equipment.size(); ++i) {
        const auto& prop = data.equipment[i];
        if (data.ListedType(i) != prop.type) {
            sink.Warn(content.items->equipmentMarks.records.at(i),
                      "equipment " + std::to_string(prop.id) + " is listed under type " +
                          std::to_string(data.ListedType(i)) + " but is of type " +
                          std::to_string(prop.type) + ", which the game goes by");
        }
    }
}

} // namespace

TProblems CheckContent(const TContent& content, const std::filesystem::path& gameDir) {
    TProblems problems;
    TCheckSink sink(problems);
    CheckPresence(content, sink);
    CheckDataRules(content, sink);
    CheckEquipmentLists(content, sink);
    CheckStages(content, sink);
    CheckTown(content, sink);
    CheckPeople(content, sink);
    CheckEvents(content, sink);
    CheckAreas(content, sink);
    CheckBodies(content, sink);
    CheckObjects(content, sink);
    CheckGraphics(content, gameDir, sink);
    CheckMotions(content, sink);
    return problems;
}
