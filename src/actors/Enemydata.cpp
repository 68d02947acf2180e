#include "actors/Enemydata.h"

#include "platform/SjisText.h"

#include <algorithm>

namespace {

// id, an empty name, the unused bytes and the acter number.
constexpr size_t SmallestEnemyFile = 4 + 1 + 3 + 4;

} // namespace

TEnemyFile ReadEnemyFile(TDataReader& reader) {
    TEnemyFile enemy;
    enemy.id = reader.ReadI32("enemy id");
    enemy.name = reader.ReadShortString("enemy name");
    reader.ReadBytes(enemy.unused.data(), enemy.unused.size(), "enemy unused bytes");
    enemy.acterNo = reader.ReadI32("enemy acter number");
    return enemy;
}

void WriteEnemyFile(TDataWriter& writer, const TEnemyFile& enemy) {
    writer.WriteI32(enemy.id);
    writer.WriteShortString(enemy.name);
    writer.WriteBytes(enemy.unused.data(), enemy.unused.size());
    writer.WriteI32(enemy.acterNo);
}

std::vector<TEnemyFile> ReadEnemyData(TDataReader& reader) {
    const size_t count = reader.ReadU16("enemy count");
    reader.RequireRecords(count, SmallestEnemyFile, "enemies");
    std::vector<TEnemyFile> enemies(count);
    const auto enemyWord = Sjis("敵 ");
    for (size_t i = 0; i < count; ++i) {
        reader.SetContext(enemyWord + std::to_string(i + 1));
        enemies[i] = ReadEnemyFile(reader);
    }
    reader.SetContext({});
    reader.RequireEnd();
    return enemies;
}

void WriteEnemyData(TDataWriter& writer, const std::vector<TEnemyFile>& enemies) {
    writer.WriteCountU16(enemies.size(), "enemy count");
    for (const auto& enemy : enemies) {
        WriteEnemyFile(writer, enemy);
    }
}

std::vector<TEnemyFile> LoadEnemyData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadEnemyData(reader);
}

const TEnemyFile* FindEnemyFile(const std::vector<TEnemyFile>& enemies, std::int32_t id) {
    const auto found = std::find_if(enemies.begin(), enemies.end(),
                                    [id](const TEnemyFile& enemy) { return enemy.id == id; });
    return found == enemies.end() ? nullptr : &*found;
}
