#include "MotionSource.h"

#include "PeopleSource.h"
#include "YamlRead.h"

#include <algorithm>

std::optional<TMotionsSource> ReadMotionSource(const std::filesystem::path& sourceDir) {
    const auto root = LoadOptionalFile(sourceDir, "motions.yaml");
    if (!root) {
        return std::nullopt;
    }
    root->AllowOnly({"motions"});
    TMotionsSource source;
    source.where = root->Where();
    for (const auto& motion : root->ListAt("motions")) {
        motion.AllowOnly({"number", "steps"});
        const auto motionNo = motion.Get("number").Number<std::uint32_t>();
        for (const auto& node : motion.ListAt("steps")) {
            node.AllowOnly({"count", "up", "next", "cycle_end", "reserved", "lines"});
            TMotionStepHead head{};
            head.motionNo = motionNo;
            head.count = node.NumberAt<std::uint8_t>("count", 0);
            head.countUp = node.NumberAt<std::uint8_t>("up", 0);
            head.nextStep = node.NumberAt<std::uint8_t>("next", 0);
            head.cycleEnd = node.NumberAt<std::uint8_t>("cycle_end", 0);
            const auto reserved = node.NumbersAt<std::uint8_t, 4>("reserved");
            head.reserved1 = reserved[0];
            head.reserved2 = reserved[1];
            std::copy(reserved.begin() + 2, reserved.end(), head.reserved3);
            source.steps.push_back(
                MotionStepOf(head, node.JoinedTextAt("lines", CommandLineBreak)));
            source.stepMarks.push_back(node.Where());
        }
    }
    return source;
}
