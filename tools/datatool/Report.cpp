#include "Report.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "village/Scriptline.h"

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <set>

namespace {

constexpr std::array<std::string_view, MechanicCount> MechanicNames{
    "rooms",
    "patrolling enemies",
    "keeper enemies",
    "standing enemies",
    "obstacle blocks",
    "white keys",
    "red keys",
    "blue keys",
    "yellow keys",
    "white doors",
    "red doors",
    "blue doors",
    "yellow doors",
    "white chests",
    "red chests",
    "blue chests",
    "yellow chests",
    "open chests",
    "event treasures",
    "hand doors",
    "switch doors",
    "wall switches",
    "timed floor switches",
    "permanent floor switches",
    "stairs up",
    "stairs down",
    "ways out",
    "hidden ways out",
    "warps",
    "at-least level floors",
    "at-most level floors",
    "forced level floors",
    "fairies",
    "free equipment",
    "swords that wear",
    "free hammers",
};

constexpr std::uint8_t SwordType = 1;
constexpr std::uint8_t HammerTool = 5;
constexpr std::uint8_t FirstOpenChest = 5;
constexpr std::uint8_t LastAtLeastLevel = 6;

// The n-th of four colour mechanics, n counted from 1 (keys 1 to 4).
TMechanic Coloured(TMechanic white, int n) {
    return static_cast<TMechanic>(static_cast<int>(white) + n - 1);
}

const TEquipItemProp* FindEquipment(const TContent& content, int id) {
    if (!content.items || !content.items->equipment) {
        return nullptr;
    }
    const auto& list = content.items->equipment->equipment;
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const auto& prop) { return prop.id == id; });
    return found == list.end() ? nullptr : &*found;
}

bool IsSword(const TContent& content, const TBlockItem& item) {
    const auto* prop = item.kind == BI_Equipment ? FindEquipment(content, item.id) : nullptr;
    return prop != nullptr && prop->type == SwordType;
}

class TCounter {
public:
    void Add(TMechanic mechanic, int n = 1) { counts[static_cast<size_t>(mechanic)] += n; }
    const TMechanicCounts& Counts() const { return counts; }

private:
    TMechanicCounts counts{};
};

void CountGuests(const TFloarData& floar, TCounter& counter) {
    for (const auto& guest : floar.guests) {
        if (guest.kind == BG_Obstacle) {
            counter.Add(TMechanic::ObstacleBlocks);
        } else if (guest.kind == BG_Enemy && guest.behaviour <= 2) {
            counter.Add(static_cast<TMechanic>(static_cast<int>(TMechanic::PatrollingEnemies) +
                                               guest.behaviour));
        }
    }
}

void CountObjects(const TFloarData& floar, TCounter& counter) {
    for (const auto& object : floar.objects) {
        if (object.kind == BO_WallSwitch) {
            counter.Add(TMechanic::WallSwitches);
        } else if (object.kind == BO_Fairy) {
            counter.Add(TMechanic::Fairies);
        } else if (object.kind == BO_Door && object.subKind == DoorBySwitchSubKind) {
            counter.Add(TMechanic::SwitchDoors);
        } else if (object.kind == BO_Door && object.subKind == DoorByHandSubKind) {
            counter.Add(TMechanic::HandDoors);
        } else if (object.kind == BO_Door && object.subKind > DoorBySwitchSubKind &&
                   object.subKind < DoorByHandSubKind) {
            counter.Add(Coloured(TMechanic::WhiteDoors, object.subKind - DoorBySwitchSubKind));
        }
    }
}

void CountItems(const TFloarData& floar, const TContent& content, TCounter& counter) {
    for (const auto& item : floar.items) {
        if (item.chest != 0) {
            counter.Add(item.chest >= FirstOpenChest
                            ? TMechanic::OpenChests
                            : Coloured(TMechanic::WhiteChests, item.chest));
            if (item.eventMark != 0) {
                counter.Add(TMechanic::EventTreasures);
            }
        } else if (item.kind == BI_Key && item.id >= 1 && item.id <= 4) {
            counter.Add(Coloured(TMechanic::WhiteKeys, item.id));
        } else if (item.kind == BI_Equipment) {
            counter.Add(TMechanic::FreeEquipment);
            if (item.maxDurability != 0 && IsSword(content, item)) {
                counter.Add(TMechanic::SwordsThatWear);
            }
        } else if (item.kind == BI_Tool && item.id == HammerTool) {
            counter.Add(TMechanic::FreeHammers);
        }
    }
}

void CountFloarActers(const TFloarData& floar, TCounter& counter) {
    static constexpr std::array<TMechanic, 5> Exits{TMechanic::StairsUp, TMechanic::StairsDown,
                                                    TMechanic::WaysOut, TMechanic::HiddenWaysOut,
                                                    TMechanic::Warps};
    for (const auto& acter : floar.floarActers) {
        if (acter.kind == BF_Exit && acter.subKind >= EXIT_FloarUp &&
            acter.subKind <= EXIT_ToFloar) {
            counter.Add(Exits[acter.subKind - 1]);
        } else if (acter.kind == BF_FloarSwitch && (acter.subKind == 1 || acter.subKind == 2)) {
            counter.Add(acter.subKind == 1 ? TMechanic::TimedFloorSwitches
                                           : TMechanic::PermanentFloorSwitches);
        } else if (acter.kind == BF_LevelFloar) {
            counter.Add(acter.subKind <= LastAtLeastLevel ? TMechanic::AtLeastLevelFloors
                                                          : TMechanic::AtMostLevelFloors);
        } else if (acter.kind == BF_ForcedLevelFloar) {
            counter.Add(TMechanic::ForcedLevelFloors);
        }
    }
}

int RoomCount(const TFloarData& floar) {
    std::set<int> rooms;
    for (const auto& row : floar.grid) {
        for (const auto& block : row) {
            if (block.room != 0) {
                rooms.insert(block.room);
            }
        }
    }
    return static_cast<int>(rooms.size());
}

std::string Utf8(const std::string& sjis) {
    try {
        return SjisToUtf8(sjis);
    } catch (const TGameError&) {
        return sjis;
    }
}

void WriteCounts(const TMechanicCounts& counts, std::ostream& out) {
    bool first = true;
    for (size_t m = 0; m < MechanicCount; ++m) {
        if (counts[m] != 0) {
            out << (first ? "" : ", ") << MechanicNames[m] << " " << counts[m];
            first = false;
        }
    }
    out << (first ? "nothing\n" : "\n");
}

bool StoryGivesHammer(const TContent& content) {
    if (!content.events) {
        return false;
    }
    for (const auto& event : content.events->events) {
        for (const auto& line : SplitScript(event.script)) {
            if (line.command == "ItemAdd" && line.arguments.size() == 2 &&
                ScriptNumber(line.arguments[0]) == BI_Tool &&
                ScriptNumber(line.arguments[1]) == HammerTool) {
                return true;
            }
        }
    }
    return false;
}

// Swords lying free in a stage can be combined when the heroine has the
// hammer: found in the stage, or given by the story.
std::string SynthesisNote(const TStageData& stage, const TContent& content, bool storyHammer) {
    int swords = 0;
    bool hammerHere = false;
    for (const auto& floar : stage.floars) {
        for (const auto& item : floar.items) {
            swords += item.chest == 0 && IsSword(content, item) ? 1 : 0;
            hammerHere =
                hammerHere || (item.chest == 0 && item.kind == BI_Tool && item.id == HammerTool);
        }
    }
    if (swords < 2 || !(hammerHere || storyHammer)) {
        return "";
    }
    return ", sword synthesis (" + std::to_string(swords) + " free swords, " +
           (hammerHere ? "hammer found here" : "the story's hammer") + ")";
}

const TDungeonData& Stages(const TContent& content) {
    static const TDungeonData none;
    return content.stages ? content.stages->stages : none;
}

template <typename TSource, typename TList>
size_t SizeOf(const std::optional<TSource>& source, TList TSource::*list) {
    return source ? ((*source).*list).size() : 0;
}

void WriteSize(const TContent& content, std::ostream& out) {
    size_t floars = 0;
    size_t squares = 0;
    for (const auto& stage : Stages(content)) {
        floars += stage.floars.size();
        for (const auto& floar : stage.floars) {
            squares += static_cast<size_t>(floar.width) * floar.height;
        }
    }
    size_t talks = 0;
    size_t pages = 0;
    size_t choices = 0;
    if (content.people) {
        for (const auto& person : content.people->people) {
            talks += person.talks.size();
            for (const auto& talk : person.talks) {
                pages += talk.lines.size();
                choices += talk.choices.size();
            }
        }
    }
    const auto* items = content.items && content.items->items ? &*content.items->items : nullptr;
    const auto* equipment =
        content.items && content.items->equipment ? &*content.items->equipment : nullptr;
    out << "content:\n"
        << "  " << Stages(content).size() << " stages, " << floars << " floors, " << squares
        << " squares\n"
        << "  " << SizeOf(content.town, &TTownSource::areas) << " village areas, "
        << SizeOf(content.people, &TPeopleSource::people) << " people with " << talks << " talks ("
        << pages << " pages, " << choices << " choices)\n"
        << "  " << SizeOf(content.events, &TEventsSource::events) << " story stages, "
        << SizeOf(content.areas, &TAreasSource::areas) << " entrance areas\n"
        << "  " << SizeOf(content.enemies, &TEnemiesSource::enemies) << " enemy kinds, "
        << (items ? items->keys.size() : 0) << " keys, " << (items ? items->tools.size() : 0)
        << " tools, " << (equipment ? equipment->equipment.size() : 0) << " pieces of equipment\n";
}

} // namespace

std::string_view MechanicName(TMechanic mechanic) {
    return MechanicNames.at(static_cast<size_t>(mechanic));
}

TMechanicCounts CountMechanics(const TFloarData& floar, const TContent& content) {
    TCounter counter;
    counter.Add(TMechanic::Rooms, RoomCount(floar));
    CountGuests(floar, counter);
    CountObjects(floar, counter);
    CountItems(floar, content, counter);
    CountFloarActers(floar, counter);
    return counter.Counts();
}

void WriteContentReport(const TContent& content, std::ostream& out) {
    WriteSize(content, out);
    TMechanicCounts totals{};
    TMechanicCounts floarsUsing{};
    const bool storyHammer = StoryGivesHammer(content);
    const auto& stages = Stages(content);
    for (size_t s = 0; s < stages.size(); ++s) {
        const auto& stage = stages[s];
        out << "stage " << s + 1 << " " << Utf8(stage.name) << " (" << stage.floars.size()
            << " floors" << SynthesisNote(stage, content, storyHammer) << ")\n";
        for (size_t f = 0; f < stage.floars.size(); ++f) {
            const auto& floar = stage.floars[f];
            const auto counts = CountMechanics(floar, content);
            out << "  floor " << f + 1 << " (" << floar.width << "x" << floar.height << "): ";
            WriteCounts(counts, out);
            for (size_t m = 0; m < MechanicCount; ++m) {
                totals[m] += counts[m];
                floarsUsing[m] += counts[m] != 0 ? 1 : 0;
            }
        }
    }
    out << "mechanics (floors using it, total):\n";
    for (size_t m = 0; m < MechanicCount; ++m) {
        out << "  " << std::left << std::setw(26) << MechanicNames[m] << std::right << std::setw(4)
            << floarsUsing[m] << std::setw(6) << totals[m] << "\n";
    }
}
