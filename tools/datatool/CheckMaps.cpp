#include "CheckMaps.h"

#include "CheckLookups.h"

#include <set>

namespace {

using std::to_string;

bool Inside(int x, int y, int width, int height) {
    return x >= 0 && y >= 0 && x < width && y < height;
}

// Reports a record outside its grid; true when it is inside.
bool RequireInside(TCheckSink& sink, const TSourceLocation& where, const std::string& what, int x,
                   int y, int width, int height) {
    if (Inside(x, y, width, height)) {
        return true;
    }
    sink.Add(where, what + " at " + Cell(x, y) + " is outside the " + to_string(width) + " x " +
                        to_string(height) + " grid");
    return false;
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

struct TFloarCheck {
    const TContent& content;
    const TStageData& stage;
    size_t floarNumber; // from 1
    const TFloarData& floar;
    const TFloarMarks& marks;
    TCheckSink& sink;
    TSlotTracker slots;

    bool Inside(const TSourceLocation& where, const std::string& what, int x, int y) {
        return RequireInside(sink, where, what, x, y, floar.width, floar.height);
    }

    void Guests() {
        for (size_t i = 0; i < floar.guests.size(); ++i) {
            const auto& guest = floar.guests[i];
            const auto& where = marks.guests[i];
            if (guest.kind == BG_Enemy) {
                bool known = false;
                for (const auto& entry : floar.enemies) {
                    known = known || entry.id == guest.enemyId;
                }
                if (!known) {
                    sink.Add(where, "enemy id " + to_string(guest.enemyId) +
                                        " is not in this floor's enemy_table");
                }
            } else if (guest.kind != BG_Obstacle) {
                sink.Add(where, "guest kind " + to_string(guest.kind) +
                                    " is neither enemy (1) nor obstacle (2)");
            }
            if (guest.direction > 7) {
                sink.Add(where, "a guest must face one of the eight directions");
            }
            if (guest.behaviour > 2) {
                sink.Add(where, "behaviour " + to_string(guest.behaviour) + " is not 0 to 2");
            }
            if (Inside(where, "the guest", guest.x, guest.y)) {
                slots.Take(TBlockSlot::Guest, guest.x, guest.y, where, "a guest");
            }
        }
        std::set<int> seen;
        for (size_t i = 0; i < floar.enemies.size(); ++i) {
            const auto& entry = floar.enemies[i];
            if (!HasEnemyKind(content, entry.enemyKind)) {
                sink.Add(marks.enemies[i],
                         "enemy kind " + to_string(entry.enemyKind) + " is not in enemies.yaml");
            }
            if (!seen.insert(entry.id).second) {
                sink.Add(marks.enemies[i], "enemy id " + to_string(entry.id) +
                                               " is given twice; only the first entry counts");
            }
        }
    }

    // A link byte names a 1-based record of the object list that makes a
    // door or a wall switch.
    bool LinksToOnOff(size_t link) const {
        return link >= 1 && link <= floar.objects.size() && MakesOnOffObje(floar.objects[link - 1]);
    }

    void Objects() {
        for (size_t i = 0; i < floar.objects.size(); ++i) {
            const auto& object = floar.objects[i];
            const auto& where = marks.objects[i];
            if (object.kind < BO_Door || object.kind > BO_Fairy) {
                sink.Add(where, "object kind " + to_string(object.kind) + " is not 1 to 4");
            } else if (object.kind == BO_Door && object.subKind > DoorByHandSubKind) {
                sink.Add(where, "door sub-kind " + to_string(object.subKind) + " is above 7");
            }
            if (object.link != 0 && !MakesOnOffObje(object)) {
                sink.Add(where, "only doors and wall switches can have a link");
            } else if (object.link != 0 && !LinksToOnOff(object.link)) {
                sink.Add(where, "link " + to_string(object.link) +
                                    " points at no door or wall switch of this floor");
            }
            if (!Inside(where, "the object", object.x, object.y)) {
                continue;
            }
            if (object.kind == BO_WallSwitch) {
                slots.Take(TBlockSlot::WallSwitch, object.x, object.y, where, "a wall switch");
            } else if (MakesOnOffObje(object)) {
                slots.Take(TBlockSlot::WallObje, object.x, object.y, where, "a door");
            } else if (object.kind == BO_Fairy) {
                slots.Take(TBlockSlot::Fairy, object.x, object.y, where, "a fairy");
            }
        }
    }

    void Items() {
        for (size_t i = 0; i < floar.items.size(); ++i) {
            const auto& item = floar.items[i];
            const auto& where = marks.items[i];
            if (item.kind < BI_Key || item.kind > BI_Tool) {
                sink.Add(where, "item kind " + to_string(item.kind) + " is not 1 to 3");
            } else if (!HasItem(content, item.kind, item.id)) {
                sink.Add(where, "item " + to_string(item.kind) + "/" + to_string(item.id) +
                                    " is not in items.yaml");
            }
            if (item.chest == 0 && item.kind == BI_Tool && item.id != FreeToolId) {
                sink.Add(where, "only tool 5 can lie free; other tools belong in chests");
            }
            if (Inside(where, "the item", item.x, item.y)) {
                slots.Take(item.chest == 0 ? TBlockSlot::Item : TBlockSlot::WallObje, item.x,
                           item.y, where, item.chest == 0 ? "an item" : "a chest");
            }
        }
    }

    void Exit(const TBlockFloar& exit, const TSourceLocation& where) {
        size_t target = 0;
        switch (exit.subKind) {
        case EXIT_FloarUp:
            target = floarNumber - 1;
            break;
        case EXIT_FloarDown:
            target = floarNumber + 1;
            break;
        case EXIT_LeaveFirst:
        case EXIT_LeaveLast:
            return;
        case EXIT_ToFloar:
            target = exit.targetFloar;
            break;
        default:
            sink.Add(where, "exit sub-kind " + to_string(exit.subKind) + " is not 1 to 5");
            return;
        }
        if (target < 1 || target > stage.floars.size()) {
            sink.Add(where, "the exit leads to floor " + to_string(target) +
                                ", which this stage (" + to_string(stage.floars.size()) +
                                " floors) does not have");
            return;
        }
        const auto& to = stage.floars[target - 1];
        if (!::Inside(exit.arrivalXOrLink, exit.arrivalYOrTimer, to.width, to.height)) {
            sink.Add(where, "the exit arrives at " +
                                Cell(exit.arrivalXOrLink, exit.arrivalYOrTimer) +
                                ", outside floor " + to_string(target) + " (" +
                                to_string(to.width) + " x " + to_string(to.height) + ")");
        }
    }

    void FloarActers() {
        for (size_t i = 0; i < floar.floarActers.size(); ++i) {
            const auto& record = floar.floarActers[i];
            const auto& where = marks.floarActers[i];
            switch (record.kind) {
            case BF_Exit:
                Exit(record, where);
                break;
            case BF_FloarSwitch:
                if (record.subKind != 1 && record.subKind != 2) {
                    sink.Add(where, "floor switch sub-kind " + to_string(record.subKind) +
                                        " is neither timed (1) nor permanent (2)");
                }
                if (!LinksToOnOff(record.arrivalXOrLink)) {
                    sink.Add(where, "floor switch link " + to_string(record.arrivalXOrLink) +
                                        " points at no door or wall switch of this floor");
                }
                break;
            case BF_LevelFloar:
                if (record.subKind < 1 || record.subKind > 12) {
                    sink.Add(where, "level floor condition " + to_string(record.subKind) +
                                        " is not 1 to 12");
                }
                break;
            case BF_ForcedLevelFloar:
                break;
            default:
                sink.Add(where, "floor actor kind " + to_string(record.kind) + " is not 1 to 4");
            }
            if (Inside(where, "the floor actor", record.x, record.y)) {
                slots.Take(TBlockSlot::FloarActer, record.x, record.y, where, "a floor actor");
            }
        }
        for (size_t i = 0; i < floar.forces.size(); ++i) {
            Inside(marks.forces[i], "the force", floar.forces[i].x, floar.forces[i].y);
        }
    }
};

} // namespace

void CheckStages(const TContent& content, TCheckSink& sink) {
    if (!content.stages) {
        return;
    }
    const auto& stages = content.stages->stages;
    for (size_t s = 0; s < stages.size(); ++s) {
        const auto& stage = stages[s];
        const auto& marks = content.stages->marks[s];
        if (stage.startFloar < 1 || stage.startFloar > stage.floars.size()) {
            sink.Add(marks.start, "start floor " + to_string(stage.startFloar) +
                                      " is not a floor of this stage");
        }
        for (size_t f = 0; f < stage.floars.size(); ++f) {
            const auto& floar = stage.floars[f];
            TFloarCheck check{content,
                              stage,
                              f + 1,
                              floar,
                              marks.floars[f],
                              sink,
                              TSlotTracker(sink, "floor " + to_string(f + 1))};
            CheckGridPlans(content, floar.grid, check.marks, sink, check.slots);
            if (f + 1 == stage.startFloar &&
                check.Inside(marks.start, "the start", stage.startX, stage.startY)) {
                check.slots.Take(TBlockSlot::Guest, stage.startX, stage.startY, marks.start,
                                 "the heroine's start");
            }
            check.Guests();
            check.Objects();
            check.Items();
            check.FloarActers();
        }
    }
}

namespace {

// The wall piece that closes the block of a big object.
constexpr std::int32_t BigObjeWallPiece = 1;

// Where the heroine arrives in the village from a dungeon and in a new game.
constexpr int VillageArrivalX = 24;
constexpr int VillageArrivalY = 3;

void CheckVillageExit(const TTownData& areas, const TBlockFloar& exit, const TSourceLocation& where,
                      TCheckSink& sink) {
    if (exit.kind != BF_Exit) {
        sink.Add(where, "village areas hold exits only");
        return;
    }
    if (exit.subKind == EXIT_LeaveFirst || exit.subKind == EXIT_LeaveLast) {
        return;
    }
    if (exit.subKind != EXIT_ToFloar) {
        sink.Add(where, "a village exit is of sub-kind 3 or 4 (out) or 5 (to an area)");
        return;
    }
    if (exit.targetFloar < 1 || exit.targetFloar > areas.size()) {
        sink.Add(where, "the exit leads to area " + to_string(exit.targetFloar) +
                            ", which town.yaml (" + to_string(areas.size()) +
                            " areas) does not have");
        return;
    }
    const auto& to = areas[exit.targetFloar - 1];
    if (!Inside(exit.arrivalXOrLink, exit.arrivalYOrTimer, to.width, to.height)) {
        sink.Add(where, "the exit arrives at " + Cell(exit.arrivalXOrLink, exit.arrivalYOrTimer) +
                            ", outside area " + to_string(exit.targetFloar));
    }
}

} // namespace

void CheckTown(const TContent& content, TCheckSink& sink) {
    if (!content.town) {
        return;
    }
    const auto& areas = content.town->areas;
    if (!areas.empty() &&
        !Inside(VillageArrivalX, VillageArrivalY, areas[0].width, areas[0].height)) {
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
            if (!RequireInside(sink, where, "the object", object.x, object.y, area.width,
                               area.height)) {
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
            } else if (object.kind == BO_Person) {
                if (object.subKind != 0 && !HasPerson(content, object.subKind)) {
                    sink.Add(where, "person " + to_string(object.subKind) + " is not in people/");
                }
                if (object.subKind != 0) {
                    slots.Take(TBlockSlot::Guest, object.x, object.y, where, "a person");
                }
            } else {
                sink.Add(where, "village objects are big objects (1) or people (2)");
            }
        }
        for (size_t i = 0; i < area.floarActers.size(); ++i) {
            const auto& record = area.floarActers[i];
            const auto& where = marks.floarActers[i];
            CheckVillageExit(areas, record, where, sink);
            if (RequireInside(sink, where, "the exit", record.x, record.y, area.width,
                              area.height)) {
                slots.Take(TBlockSlot::FloarActer, record.x, record.y, where, "an exit");
            }
        }
    }
}
