#pragma once

#include "world/DataFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::string_view EnemyDataFile = "Data/EnemyData";

// One enemy kind of the enemy table.
struct TEnemyFile {
    std::int32_t id = 0;
    std::string name;
    // Stored with every kind and carried along; no rule reads them.
    std::array<std::uint8_t, 3> unused{};
    std::int32_t acterNo = 0; // the body to build

    bool operator==(const TEnemyFile&) const = default;
};

TEnemyFile ReadEnemyFile(TDataReader& reader);
void WriteEnemyFile(TDataWriter& writer, const TEnemyFile& enemy);

// The whole file, in file order: a u16 count, then the kinds, and nothing after.
std::vector<TEnemyFile> ReadEnemyData(TDataReader& reader);
void WriteEnemyData(TDataWriter& writer, const std::vector<TEnemyFile>& enemies);
std::vector<TEnemyFile> LoadEnemyData(std::string_view sjisName = EnemyDataFile);

// The first kind with that id (a repeated id never shadows it), or null.
const TEnemyFile* FindEnemyFile(const std::vector<TEnemyFile>& enemies, std::int32_t id);
