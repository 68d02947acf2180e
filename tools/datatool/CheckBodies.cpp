#include "CheckBodies.h"

#include "actors/Itemimp.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

using std::to_string;

// Bodies of the actor factory that do not depend on the content.
constexpr std::int32_t HeroBody = 1;
constexpr std::int32_t OutFieldBody = 2;
constexpr std::int32_t WallSwitchBody = 3;
constexpr std::int32_t SwitchDoorBody = 39;
constexpr std::int32_t ChestBody = 26;
constexpr std::int32_t FairyBody = 16;
constexpr std::int32_t ObstacleBody = 57;
constexpr std::int32_t FloarSwitchBodyBase = 42;
constexpr std::int32_t LevelFloarBodyBase = 44;
constexpr std::int32_t ForcedLevelBodyBase = 91;

// Door bodies by key number 0 to 4.
constexpr std::int32_t DoorBodies[] = {4, 35, 36, 37, 38};

// The body an exit of that type gets, or 0 for none.
std::int32_t ExitBody(std::uint8_t type) {
    return type == EXIT_FloarUp || type == EXIT_LeaveFirst ? 6 : type == EXIT_FloarDown ? 7 : 0;
}

// The first thing asking for each body.
class TBodyNeeds {
public:
    void Need(std::int32_t body, const TSourceLocation& where, const std::string& what) {
        if (body != 0) {
            needs.try_emplace(body, where, what);
        }
    }
    const std::map<std::int32_t, std::pair<TSourceLocation, std::string>>& All() const {
        return needs;
    }

private:
    std::map<std::int32_t, std::pair<TSourceLocation, std::string>> needs;
};

void NeedDoorBody(const TBlockObje& object, const TSourceLocation& where, TBodyNeeds& needs) {
    if (object.subKind == DoorBySwitchSubKind) {
        needs.Need(SwitchDoorBody, where, "a door worked by switches");
    } else if (object.subKind == DoorByHandSubKind) {
        needs.Need(DoorBodies[0], where, "a door without lock");
    } else if (object.subKind > DoorBySwitchSubKind && object.subKind < DoorByHandSubKind) {
        const auto key = object.subKind - DoorBySwitchSubKind;
        needs.Need(DoorBodies[key], where, "a door locked with key " + to_string(key));
    }
}

void NeedItemBody(const TContent& content, const TBlockItem& item, const TSourceLocation& where,
                  TBodyNeeds& needs) {
    if (item.chest != 0) {
        needs.Need(ChestBody, where, "a treasure chest");
    } else if (item.kind == BI_Key) {
        needs.Need(KeyOnFloorBody(item.id), where, "key " + to_string(item.id) + " on the floor");
    } else if (item.kind == BI_Tool) {
        needs.Need(ToolOnFloorBody, where, "a tool on the floor");
    } else if (item.kind == BI_Equipment && content.items && content.items->equipment) {
        if (const auto* prop = FindEquipment(content.items->equipment->equipment, item.id)) {
            needs.Need(EquipmentOnFloorBodyBase + prop->type, where,
                       "equipment of type " + to_string(prop->type) + " on the floor");
        }
    }
}

void NeedFloarActerBody(const TBlockFloar& record, const TSourceLocation& where,
                        TBodyNeeds& needs) {
    switch (record.kind) {
    case BF_Exit:
        needs.Need(ExitBody(record.subKind), where, "an exit");
        break;
    case BF_FloarSwitch:
        needs.Need(FloarSwitchBodyBase + record.subKind, where, "a floor switch");
        break;
    case BF_LevelFloar:
        needs.Need(LevelFloarBodyBase + record.subKind, where, "a level floor");
        break;
    case BF_ForcedLevelFloar:
        needs.Need(ForcedLevelBodyBase + record.subKind, where, "a forced level floor");
        break;
    default:
        break;
    }
}

void NeedStageBodies(const TContent& content, TBodyNeeds& needs) {
    if (!content.stages) {
        return;
    }
    for (size_t s = 0; s < content.stages->stages.size(); ++s) {
        const auto& stage = content.stages->stages[s];
        for (size_t f = 0; f < stage.floars.size(); ++f) {
            const auto& floar = stage.floars[f];
            const auto& marks = content.stages->marks[s].floars[f];
            for (size_t i = 0; i < floar.guests.size(); ++i) {
                if (floar.guests[i].kind == BG_Obstacle) {
                    needs.Need(ObstacleBody, marks.guests[i], "an obstacle block");
                }
            }
            for (size_t i = 0; i < floar.objects.size(); ++i) {
                const auto& object = floar.objects[i];
                if (object.kind == BO_Door) {
                    NeedDoorBody(object, marks.objects[i], needs);
                } else if (object.kind == BO_WallSwitch) {
                    needs.Need(WallSwitchBody, marks.objects[i], "a wall switch");
                } else if (object.kind == BO_Fairy) {
                    needs.Need(FairyBody, marks.objects[i], "a fairy");
                }
            }
            for (size_t i = 0; i < floar.items.size(); ++i) {
                NeedItemBody(content, floar.items[i], marks.items[i], needs);
            }
            for (size_t i = 0; i < floar.floarActers.size(); ++i) {
                NeedFloarActerBody(floar.floarActers[i], marks.floarActers[i], needs);
            }
        }
    }
}

void NeedTableBodies(const TContent& content, TBodyNeeds& needs) {
    if (content.town) {
        for (size_t a = 0; a < content.town->areas.size(); ++a) {
            const auto& area = content.town->areas[a];
            for (size_t i = 0; i < area.floarActers.size(); ++i) {
                NeedFloarActerBody(area.floarActers[i], content.town->marks[a].floarActers[i],
                                   needs);
            }
        }
    }
    if (content.enemies) {
        for (size_t i = 0; i < content.enemies->enemies.size(); ++i) {
            needs.Need(content.enemies->enemies[i].acterNo, content.enemies->marks.records[i],
                       "enemy kind " + to_string(content.enemies->enemies[i].id));
        }
    }
    if (content.people) {
        for (size_t i = 0; i < content.people->people.size(); ++i) {
            needs.Need(content.people->people[i].acterNo, content.people->marks[i].where,
                       "person " + to_string(content.people->people[i].personNo));
        }
    }
    if (content.pieces) {
        const auto needPlans = [&](const auto& plans, const TListMarks& marks, const char* what) {
            for (size_t i = 0; plans && i < plans->size(); ++i) {
                needs.Need((*plans)[i].plan.bodyNumber, marks.records[i],
                           std::string(what) + " " + to_string((*plans)[i].plan.id));
            }
        };
        needPlans(content.pieces->walls, content.pieces->wallMarks, "wall piece");
        needPlans(content.pieces->bigObjects, content.pieces->bigObjectMarks, "big object");
        needPlans(content.pieces->floarTiles, content.pieces->floarTileMarks, "floor tile");
    }
}

bool HasMotion(const TContent& content, std::uint32_t motionNo) {
    return content.motions &&
           std::any_of(content.motions->steps.begin(), content.motions->steps.end(),
                       [&](const auto& step) { return step.head.motionNo == motionNo; });
}

bool HasObject(const TContent& content, std::uint32_t objeNo) {
    return content.objects &&
           std::any_of(content.objects->plans.begin(), content.objects->plans.end(),
                       [&](const auto& plan) { return plan.objeNo == objeNo; });
}

void CheckActers(const TContent& content, TCheckSink& sink) {
    std::set<std::uint32_t> seen;
    for (size_t i = 0; i < content.acters->acters.size(); ++i) {
        const auto& acter = content.acters->acters[i];
        const auto& where = content.acters->marks.records[i];
        if (!seen.insert(acter.acterNo).second) {
            sink.Add(where, "acter " + to_string(acter.acterNo) +
                                " is given twice; only the first counts");
        }
        if (!HasObject(content, static_cast<std::uint32_t>(acter.objeNo))) {
            sink.Add(where, "object " + to_string(acter.objeNo) + " is not in objects.yaml");
        }
        for (const auto motion : MotionNumbersOf(acter.motionList)) {
            if (!HasMotion(content, motion)) {
                sink.Add(where, "motion " + to_string(motion) + " is not in motions.yaml");
            }
        }
        if (acter.variant > 7) {
            sink.Add(where, "variant " + to_string(acter.variant) + " is not 0 to 7");
        }
    }
}

} // namespace

void CheckBodies(const TContent& content, TCheckSink& sink) {
    if (!content.acters) {
        return;
    }
    TBodyNeeds needs;
    const auto& listed = content.acters->marks.where;
    needs.Need(HeroBody, listed, "the heroine");
    needs.Need(OutFieldBody, listed, "the scenery around every map");
    NeedStageBodies(content, needs);
    NeedTableBodies(content, needs);
    const auto& acters = content.acters->acters;
    for (const auto& [body, need] : needs.All()) {
        const bool made = std::any_of(acters.begin(), acters.end(), [body](const auto& acter) {
            return acter.acterNo == static_cast<std::uint32_t>(body);
        });
        if (!made) {
            sink.Add(need.first, "body " + to_string(body) + " (" + need.second +
                                     ") has no acter in acters.yaml");
        }
    }
    CheckActers(content, sink);
}
