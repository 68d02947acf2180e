#include "actors/Enemydata.h"

#include "platform/SjisText.h"
#include "world/NamedRecords.h"

#include <algorithm>

namespace {

// id, an empty name, the unused bytes and the acter number.
constexpr size_t SmallestEnemyFile = 4 + 1 + 3 + 4;

// Names of what is read, for the error messages; converted once.
struct TEnemyWords {
    std::string count = Sjis("敵の数");
    std::string enemies = Sjis("敵");
    std::string enemy = Sjis("敵 ");
    std::string id = Sjis("敵の ID");
    std::string name = Sjis("敵の名前");
    std::string unused = Sjis("敵の未使用バイト");
    std::string acterNo = Sjis("敵のアクター番号");
};

const TEnemyWords& Words() {
    static const TEnemyWords words;
    return words;
}

} // namespace

TEnemyFile ReadEnemyFile(TDataReader& reader) {
    TEnemyFile enemy;
    enemy.id = reader.ReadI32(Words().id);
    enemy.name = reader.ReadShortString(Words().name);
    reader.ReadBytes(enemy.unused.data(), enemy.unused.size(), Words().unused);
    enemy.acterNo = reader.ReadI32(Words().acterNo);
    return enemy;
}

void WriteEnemyFile(TDataWriter& writer, const TEnemyFile& enemy) {
    writer.WriteI32(enemy.id);
    writer.WriteShortString(enemy.name);
    writer.WriteBytes(enemy.unused.data(), enemy.unused.size());
    writer.WriteI32(enemy.acterNo);
}

std::vector<TEnemyFile> ReadEnemyData(TDataReader& reader) {
    const size_t count = reader.ReadU16(Words().count);
    std::vector<TEnemyFile> enemies = ReadNamedRecords(
        reader, count, SmallestEnemyFile, Words().enemies,
        [](size_t i) { return Words().enemy + std::to_string(i + 1); },
        [&] { return ReadEnemyFile(reader); });
    reader.SetContext({});
    reader.RequireEnd();
    return enemies;
}

void WriteEnemyData(TDataWriter& writer, const std::vector<TEnemyFile>& enemies) {
    writer.WriteCountU16(enemies.size(), Words().count);
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
