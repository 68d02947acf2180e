#include "GraphicsSource.h"
#include "PeopleSource.h"
#include "YamlWrite.h"

TSourceTexts DumpGraphics(const std::vector<TGrphFile>& graphics) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "graphics" << YAML::Value << YAML::BeginSeq;
    for (const auto& entry : graphics) {
        out << YAML::Flow << YAML::BeginMap;
        out << YAML::Key << "number" << YAML::Value << static_cast<long long>(entry.grphNo);
        out << YAML::Key << "model" << YAML::Value;
        EmitText(out, entry.modelName);
        bool any = false;
        for (size_t k = 0; k < entry.swapLists.size(); ++k) {
            if (entry.swapLists[k].empty()) {
                continue;
            }
            if (!any) {
                out << YAML::Key << "swaps" << YAML::Value << YAML::BeginMap;
                any = true;
            }
            out << YAML::Key << static_cast<long long>(k + 1) << YAML::Value;
            EmitJoined(out, entry.swapLists[k], CommandLineBreak);
        }
        if (any) {
            out << YAML::EndMap;
        }
        out << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"graphics.yaml", out.c_str()}};
}
