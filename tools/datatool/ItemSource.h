#pragma once

#include "ListMarks.h"
#include "SourceText.h"
#include "actors/Itemdata.h"

#include <filesystem>
#include <optional>

// SRC/items.yaml: the key and tool names (Data/ItemData) and the equipment
// (Data/EQData); key or tool n is the n-th name of its list.
//   keys: ["白のかぎ", ...]
//   tools: ["薬草", ...]
//   equipment:
//     - {id: 1, name: "銅の剣", type: 1, attack: 3, defence: 0, level: 1}
// Equipment is listed in the file by type; `listed: n` lists a record under
// type n although its own type differs.
struct TItemsSource {
    std::optional<TItemData> items;
    std::optional<TEQData> equipment;
    TListMarks keyMarks, toolMarks, equipmentMarks;
};

std::optional<TItemsSource> ReadItemSource(const std::filesystem::path& sourceDir);
TSourceTexts DumpItems(const TItemData& items);
TSourceTexts DumpEquipment(const TEQData& data);
