#include "EnemySource.h"
#include "YamlWrite.h"

TSourceTexts DumpEnemies(const std::vector<TEnemyFile>& enemies) {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "enemies" << YAML::Value << YAML::BeginSeq;
    for (const auto& enemy : enemies) {
        TRecordOut(out)
            .Number("id", enemy.id)
            .Text("name", enemy.name)
            .Number("acter", enemy.acterNo)
            .NumbersIfSet("unused", enemy.unused);
    }
    out << YAML::EndSeq << YAML::EndMap;
    return {{"enemies.yaml", out.c_str()}};
}
