#include "PeopleSource.h"

#include "YamlRead.h"

namespace {

TTalkData ReadTalk(const TYamlNode& node, TTalkMarks& marks) {
    node.AllowOnly({"lines", "choices", "after", "next"});
    marks.where = node.Where();
    TTalkData talk;
    for (const auto& line : node.Get("lines").Items()) {
        talk.lines.push_back(line.Text());
    }
    if (talk.lines.empty()) {
        node.Get("lines").Fail("a talk needs at least one line");
    }
    for (const auto& choice : node.ListAt("choices")) {
        choice.AllowOnly({"text", "talk"});
        talk.choices.push_back(
            {choice.Get("text").Text(), choice.Get("talk").Number<std::uint8_t>()});
        marks.choices.push_back(choice.Where());
    }
    talk.afterTalk = node.JoinedTextAt("after", CommandLineBreak, &marks.after);
    talk.nextTalk = node.NumberAt<std::uint8_t>("next", 0);
    marks.next = node.Has("next") ? node.Get("next").Where() : marks.where;
    return talk;
}

} // namespace

std::optional<TPeopleSource> ReadPeopleSources(const std::filesystem::path& sourceDir) {
    const auto files = ListSourceFiles(sourceDir, "people");
    if (files.empty()) {
        return std::nullopt;
    }
    TPeopleSource source;
    for (const auto& file : files) {
        const auto root = TYamlNode::LoadFile(sourceDir, file);
        root.AllowOnly({"number", "name", "acter", "talks"});
        auto& marks = source.marks.emplace_back();
        marks.where = root.Where();
        auto& person = source.people.emplace_back();
        person.personNo = root.Get("number").Number<std::uint32_t>();
        person.name = root.TextAt("name");
        person.acterNo = root.Get("acter").Number<std::uint16_t>();
        for (const auto& talk : root.Get("talks").Items()) {
            person.talks.push_back(ReadTalk(talk, marks.talks.emplace_back()));
        }
    }
    return source;
}
