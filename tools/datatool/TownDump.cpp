#include "AsciiGrid.h"
#include "TownSource.h"
#include "YamlWrite.h"

TSourceTexts DumpTown(const TTownData& areas) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "areas" << YAML::Value << YAML::BeginSeq;
    for (const auto& area : areas) {
        out << YAML::BeginMap;
        TGridRows rows;
        for (const auto& row : area.grid) {
            auto& cells = rows.emplace_back();
            for (const auto& block : row) {
                cells.push_back({block.wallObje, block.floarTile, 0});
            }
        }
        WriteAsciiGrid(out, rows, TownGridFields);
        if (!area.objects.empty()) {
            out << YAML::Key << "objects" << YAML::Value << YAML::BeginSeq;
            for (const auto& object : area.objects) {
                DumpBlockObje(out, object, TownNames);
            }
            out << YAML::EndSeq;
        }
        if (!area.floarActers.empty()) {
            out << YAML::Key << "floor_actors" << YAML::Value << YAML::BeginSeq;
            for (const auto& record : area.floarActers) {
                DumpBlockFloar(out, record, TownNames);
            }
            out << YAML::EndSeq;
        }
        out << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"town.yaml", out.c_str()}};
}
