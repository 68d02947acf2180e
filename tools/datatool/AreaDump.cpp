#include "AreaSource.h"
#include "YamlWrite.h"

TSourceTexts DumpAreas(const std::vector<TAreaData>& areas) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "areas" << YAML::Value << YAML::BeginSeq;
    for (const auto& area : areas) {
        TRecordOut(out)
            .Text("name", area.name)
            .Numbers("stages", area.stageNumbers)
            .NumberIfSet("unused", area.unused);
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"areas.yaml", out.c_str()}};
}
