#include "EventSource.h"

#include "Names.h"
#include "PeopleSource.h"
#include "YamlRead.h"

std::optional<TEventsSource> ReadEventSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "events.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"events"});
    TEventsSource source;
    for (const auto& node : root->ListAt("events")) {
        node.AllowOnly({"needed", "people", "script"});
        auto& marks = source.marks.emplace_back();
        marks.where = node.Where();
        auto& event = source.events.emplace_back();
        event.neededConditions =
            static_cast<std::int32_t>(node.Get("needed").Integer(0, MaxEventConditions));
        for (const auto& item : node.ListAt("people")) {
            item.AllowOnly({"person", "area", "at", "dir", "unused"});
            auto& placement = event.placements.emplace_back();
            placement.personNo = item.Get("person").Number<std::uint8_t>();
            placement.areaNoPlusOne = item.Get("area").Number<std::uint8_t>();
            const auto at = item.NumbersAt<std::int16_t, 2>("at");
            placement.x = at[0];
            placement.y = at[1];
            placement.direction = item.NumberAt<std::uint8_t>("dir", 0, DirectionNames);
            placement.unused = item.NumberAt<std::uint8_t>("unused", 0);
            marks.placements.push_back(item.Where());
        }
        event.script = node.JoinedTextAt("script", CommandLineBreak, &marks.script);
    }
    return source;
}
