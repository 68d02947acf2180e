#include "EventSource.h"
#include "Names.h"
#include "PeopleSource.h"
#include "YamlWrite.h"

TSourceTexts DumpEvents(const std::vector<TEvent>& events) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "events" << YAML::Value << YAML::BeginSeq;
    for (const auto& event : events) {
        out << YAML::BeginMap;
        out << YAML::Key << "needed" << YAML::Value
            << static_cast<long long>(event.neededConditions);
        if (!event.placements.empty()) {
            out << YAML::Key << "people" << YAML::Value << YAML::BeginSeq;
            for (const auto& placement : event.placements) {
                TRecordOut(out)
                    .Number("person", placement.personNo)
                    .Number("area", placement.areaNoPlusOne)
                    .Position("at", placement.x, placement.y)
                    .Named("dir", placement.direction, DirectionNames)
                    .NumberIfSet("unused", placement.unused);
            }
            out << YAML::EndSeq;
        }
        if (!event.script.empty()) {
            out << YAML::Key << "script" << YAML::Value;
            EmitJoined(out, event.script, CommandLineBreak);
        }
        out << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"events.yaml", out.c_str()}};
}
