#include "PeopleSource.h"
#include "YamlWrite.h"

namespace {

void DumpTalk(YAML::Emitter& out, const TTalkData& talk) {
    out << YAML::BeginMap << YAML::Key << "lines" << YAML::Value << YAML::BeginSeq;
    for (const auto& line : talk.lines) {
        EmitText(out, line);
    }
    out << YAML::EndSeq;
    if (!talk.choices.empty()) {
        out << YAML::Key << "choices" << YAML::Value << YAML::BeginSeq;
        for (const auto& choice : talk.choices) {
            TRecordOut(out).Text("text", choice.text).Number("talk", choice.target);
        }
        out << YAML::EndSeq;
    }
    if (!talk.afterTalk.empty()) {
        out << YAML::Key << "after" << YAML::Value;
        EmitJoined(out, talk.afterTalk, CommandLineBreak);
    }
    if (talk.nextTalk != 0) {
        out << YAML::Key << "next" << YAML::Value << static_cast<long long>(talk.nextTalk);
    }
    out << YAML::EndMap;
}

} // namespace

TSourceTexts DumpPeople(const std::vector<TPeopleImp>& people) {
    TSourceTexts texts;
    for (size_t i = 0; i < people.size(); ++i) {
        const auto& person = people[i];
        YAML::Emitter out;
        out << YAML::BeginMap;
        out << YAML::Key << "number" << YAML::Value << static_cast<long long>(person.personNo);
        out << YAML::Key << "name" << YAML::Value;
        EmitText(out, person.name);
        out << YAML::Key << "acter" << YAML::Value << static_cast<long long>(person.acterNo);
        out << YAML::Key << "talks" << YAML::Value << YAML::BeginSeq;
        for (const auto& talk : person.talks) {
            DumpTalk(out, talk);
        }
        out << YAML::EndSeq << YAML::EndMap;
        texts.push_back({NumberedSourceName("people", i, people.size()), out.c_str()});
    }
    return texts;
}
