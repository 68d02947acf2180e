#include "CheckMaps.h"

#include "CheckLookups.h"

#include <set>

namespace {

using std::to_string;

// The wall piece that closes the block of a big object.
constexpr std::int32_t BigObjeWallPiece = 1;

// Where the heroine arrives in the village from a dungeon and in a new game.
constexpr int VillageArrivalX = 24;
constexpr int VillageArrivalY = 3;

// Records outside their grid are the game's own checks' to report; here they
// take no slot.
template <typename TRecord> bool Inside(const TRecord& record, int width, int height) {
    return record.x < width && record.y < height;
}

// Wall pieces and floor tiles of a grid, each missing plan reported once.
template <typename TBlock, typename TMarks>
void CheckGridPlans(const TContent& content, const std::vector<std::vector<TBlock>>& grid,
                    const TMarks& marks, TCheckSink& sink, TSlotTracker& slots) {
    std::set<std::pair<int, int>> reported;
    for (size_t y = 0; y < grid.size(); ++y) {
        for (size_t x = 0; x < grid[y].size(); ++x) {
            const auto& block = grid[y][x];
            const auto& where = marks.gridRows[y];
            if (block.wallObje != 0) {
                slots.Take(TBlockSlot::WallObje, static_cast<int>(x), static_cast<int>(y), where,
                           "the wall piece of the grid");
                if (!HasWallPlan(content, block.wallObje) &&
                    reported.insert({0, block.wallObje}).second) {
                    sink.Add(where, "wall piece " + to_string(block.wallObje) +
                                        " has no plan in pieces.yaml walls");
                }
            }
            if (block.floarTile != 0 && !HasFloarTilePlan(content, block.floarTile) &&
                reported.insert({1, block.floarTile}).second) {
                sink.Add(where, "floor tile " + to_string(block.floarTile) +
                                    " has no plan in pieces.yaml floor_tiles");
            }
        }
    }
}

void CheckFloar(const TContent& content, const TStageData& stage, size_t number,
                const TStageMarks& stageMarks, TCheckSink& sink) {
    const auto& floar = stage.floars[number - 1];
    const auto& marks = stageMarks.floars[number - 1];
    const int width = floar.width;
    const int height = floar.height;
    TSlotTracker slots(sink, "floor " + to_string(number));
    CheckGridPlans(content, floar.grid, marks, sink, slots);
    if (number == stage.startFloar && stage.startX < width && stage.startY < height) {
        slots.Take(TBlockSlot::Guest, stage.startX, stage.startY, stageMarks.start,
                   "the heroine's start");
    }
    for (size_t i = 0; i < floar.guests.size(); ++i) {
        const auto& guest = floar.guests[i];
        if (Inside(guest, width, height)) {
            slots.Take(TBlockSlot::Guest, guest.x, guest.y, marks.guests[i], "a guest");
        }
    }
    for (size_t i = 0; i < floar.objects.size(); ++i) {
        const auto& object = floar.objects[i];
        if (!Inside(object, width, height)) {
            continue;
        }
        if (object.kind == BO_WallSwitch) {
            slots.Take(TBlockSlot::WallSwitch, object.x, object.y, marks.objects[i],
                       "a wall switch");
        } else if (MakesOnOffObje(object)) {
            slots.Take(TBlockSlot::WallObje, object.x, object.y, marks.objects[i], "a door");
        } else if (object.kind == BO_Fairy) {
            slots.Take(TBlockSlot::Fairy, object.x, object.y, marks.objects[i], "a fairy");
        }
    }
    for (size_t i = 0; i < floar.items.size(); ++i) {
        const auto& item = floar.items[i];
        if (item.kind >= BI_Key && item.kind <= BI_Tool && !HasItem(content, item.kind, item.id)) {
            sink.Add(marks.items[i], "item " + to_string(item.kind) + "/" + to_string(item.id) +
                                         " is not in items.yaml");
        }
        if (Inside(item, width, height)) {
            const bool free = item.chest == 0;
            slots.Take(free ? TBlockSlot::Item : TBlockSlot::WallObje, item.x, item.y,
                       marks.items[i], free ? "an item" : "a chest");
        }
    }
    for (size_t i = 0; i < floar.floarActers.size(); ++i) {
        const auto& record = floar.floarActers[i];
        if (Inside(record, width, height)) {
            slots.Take(TBlockSlot::FloarActer, record.x, record.y, marks.floarActers[i],
                       "a floor actor");
        }
    }
}

} // namespace

void CheckStages(const TContent& content, TCheckSink& sink) {
    if (!content.stages) {
        return;
    }
    const auto& stages = content.stages->stages;
    for (size_t s = 0; s < stages.size(); ++s) {
        for (size_t number = 1; number <= stages[s].floars.size(); ++number) {
            CheckFloar(content, stages[s], number, content.stages->marks[s], sink);
        }
    }
}

void CheckTown(const TContent& content, TCheckSink& sink) {
    if (!content.town) {
        return;
    }
    const auto& areas = content.town->areas;
    if (!areas.empty() &&
        (VillageArrivalX >= areas[0].width || VillageArrivalY >= areas[0].height)) {
        sink.Add(content.town->marks[0].where, "the heroine arrives in area 1 at " +
                                                   Cell(VillageArrivalX, VillageArrivalY) +
                                                   ", which is outside it");
    }
    for (size_t a = 0; a < areas.size(); ++a) {
        const auto& area = areas[a];
        const auto& marks = content.town->marks[a];
        TSlotTracker slots(sink, "area " + to_string(a + 1));
        CheckGridPlans(content, area.grid, marks, sink, slots);
        for (size_t i = 0; i < area.objects.size(); ++i) {
            const auto& object = area.objects[i];
            const auto& where = marks.objects[i];
            if (!Inside(object, area.width, area.height)) {
                continue;
            }
            if (object.kind == BO_BigObje) {
                if (!HasBigObjectPlan(content, object.subKind)) {
                    sink.Add(where, "big object " + to_string(object.subKind) +
                                        " has no plan in pieces.yaml big_objects");
                }
                if (!HasWallPlan(content, BigObjeWallPiece)) {
                    sink.Add(where, "a big object closes its block with wall piece 1, which has "
                                    "no plan in pieces.yaml walls");
                }
                slots.Take(TBlockSlot::WallObje, object.x, object.y, where, "a big object");
            } else if (object.kind == BO_Person && object.subKind != 0) {
                slots.Take(TBlockSlot::Guest, object.x, object.y, where, "a person");
            }
        }
        for (size_t i = 0; i < area.floarActers.size(); ++i) {
            const auto& record = area.floarActers[i];
            if (Inside(record, area.width, area.height)) {
                slots.Take(TBlockSlot::FloarActer, record.x, record.y, marks.floarActers[i],
                           "an exit");
            }
        }
    }
}
