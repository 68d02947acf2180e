#include "ActerSource.h"
#include "YamlWrite.h"

#include <algorithm>

namespace {

// Plain numbers separated by commas, which a list of numbers gives back.
bool IsNumberList(const std::string& list) {
    if (!std::all_of(list.begin(), list.end(),
                     [](char c) { return c == ',' || (c >= '0' && c <= '9'); })) {
        return false;
    }
    std::string joined;
    for (const auto number : MotionNumbersOf(list)) {
        joined += (joined.empty() ? "" : ",") + std::to_string(number);
    }
    return joined == list;
}

} // namespace

TSourceTexts DumpActers(const std::vector<TActerFile>& acters) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "acters" << YAML::Value << YAML::BeginSeq;
    for (const auto& acter : acters) {
        out << YAML::Flow << YAML::BeginMap;
        out << YAML::Key << "number" << YAML::Value << static_cast<long long>(acter.acterNo);
        out << YAML::Key << "object" << YAML::Value << static_cast<long long>(acter.objeNo);
        if (!acter.motionList.empty()) {
            out << YAML::Key << "motions" << YAML::Value;
            if (IsNumberList(acter.motionList)) {
                out << YAML::Flow << YAML::BeginSeq;
                for (const auto number : MotionNumbersOf(acter.motionList)) {
                    out << static_cast<long long>(number);
                }
                out << YAML::EndSeq;
            } else {
                EmitText(out, acter.motionList);
            }
        }
        if (acter.variant != 0) {
            out << YAML::Key << "variant" << YAML::Value << static_cast<long long>(acter.variant);
        }
        out << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"acters.yaml", out.c_str()}};
}
