#include "MotionSource.h"
#include "PeopleSource.h"
#include "YamlWrite.h"

#include <array>

TSourceTexts DumpMotions(const std::vector<TMotionStepProg>& steps) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "motions" << YAML::Value << YAML::BeginSeq;
    for (size_t i = 0; i < steps.size();) {
        const auto motionNo = steps[i].head.motionNo;
        out << YAML::BeginMap << YAML::Key << "number" << YAML::Value
            << static_cast<long long>(motionNo) << YAML::Key << "steps" << YAML::Value
            << YAML::BeginSeq;
        for (; i < steps.size() && steps[i].head.motionNo == motionNo; ++i) {
            const auto& head = steps[i].head;
            out << YAML::Flow << YAML::BeginMap;
            out << YAML::Key << "count" << YAML::Value << static_cast<long long>(head.count);
            if (head.countUp != 0) {
                out << YAML::Key << "up" << YAML::Value << static_cast<long long>(head.countUp);
            }
            out << YAML::Key << "next" << YAML::Value << static_cast<long long>(head.nextStep);
            if (head.cycleEnd != 0) {
                out << YAML::Key << "cycle_end" << YAML::Value
                    << static_cast<long long>(head.cycleEnd);
            }
            const std::array<std::uint8_t, 4> reserved{head.reserved1, head.reserved2,
                                                       head.reserved3[0], head.reserved3[1]};
            if (reserved != std::array<std::uint8_t, 4>{}) {
                out << YAML::Key << "reserved" << YAML::Value << YAML::Flow << YAML::BeginSeq;
                for (const auto byte : reserved) {
                    out << static_cast<long long>(byte);
                }
                out << YAML::EndSeq;
            }
            if (!steps[i].text.empty()) {
                out << YAML::Key << "lines" << YAML::Value;
                EmitJoined(out, steps[i].text, CommandLineBreak);
            }
            out << YAML::EndMap;
        }
        out << YAML::EndSeq << YAML::EndMap;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"motions.yaml", out.c_str()}};
}
