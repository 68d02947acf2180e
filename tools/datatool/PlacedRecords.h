#pragma once

#include "YamlRead.h"
#include "world/BlockRecords.h"

#include <yaml-cpp/yaml.h>

// The records that floors and village areas share, in source form:
//   objects:      {at: [x, y], kind: door, sub: 3, open: 1, dir: S, link: 2}
//   floor_actors: {at: [x, y], kind: exit, sub: 5, to: [x, y], floor: 2}
//                 {at: [x, y], kind: switch, sub: 1, link: 3, timer: 5}
// The byte that names an exit's target is "floor" on a dungeon floor and
// "area" (counted from 1) in the village.
struct TPlacedNames {
    TNames objectKinds;
    const char* targetField;
};

TBlockObje ReadBlockObje(const TYamlNode& node, const TPlacedNames& names);
TBlockFloar ReadBlockFloar(const TYamlNode& node, const TPlacedNames& names);
void DumpBlockObje(YAML::Emitter& out, const TBlockObje& record, const TPlacedNames& names);
void DumpBlockFloar(YAML::Emitter& out, const TBlockFloar& record, const TPlacedNames& names);

// Position fields: at: [x, y] as u16.
void ReadPosition(const TYamlNode& node, const char* key, std::uint16_t& x, std::uint16_t& y);
