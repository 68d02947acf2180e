#pragma once

#include "world/DataFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::string_view ItemDataFile = "Data/ItemData";
inline constexpr std::string_view EQDataFile = "Data/EQData";

// Fixed name field of the property records: Shift-JIS text ended by a NUL
// inside the field, so at most 43 bytes of text.
inline constexpr size_t PropNameSize = 44;

#pragma pack(push, 1)

// Property of one key or tool item; only the name is used.
struct TItemProp {
    char name[PropNameSize]{};

    bool operator==(const TItemProp&) const = default;
};

// Property of one piece of equipment.
struct TEquipItemProp {
    char name[PropNameSize]{};
    std::int32_t id = 0;
    std::uint8_t type = 0; // 1 sword, 2, 3: the three equipment places
    std::uint8_t padding1 = 0;
    std::int16_t attack = 0;
    std::int16_t defence = 0;
    std::uint8_t requiredLevel = 0;
    std::uint8_t padding2 = 0;

    bool operator==(const TEquipItemProp&) const = default;
};

#pragma pack(pop)

static_assert(sizeof(TItemProp) == 44);
static_assert(sizeof(TEquipItemProp) == 56);

// The text of a name field, up to its NUL.
std::string PropName(const char (&name)[PropNameSize]);
// Stores the text with its NUL and clears the rest of the field; raises
// TGameError when the text does not fit.
void SetPropName(char (&name)[PropNameSize], const std::string& sjisText);

// The key table and the tool table; key or tool number n is entry n - 1.
struct TItemData {
    std::vector<TItemProp> keys;
    std::vector<TItemProp> tools;

    bool operator==(const TItemData&) const = default;
};

// Two u8 counts, then the key records and the tool records; nothing after.
TItemData ReadItemData(TDataReader& reader);
void WriteItemData(TDataWriter& writer, const TItemData& items);
TItemData LoadItemData(std::string_view sjisName = ItemDataFile);

inline constexpr std::uint8_t EquipTypeCount = 3;

// The equipment file: the records in file order, listed by type: the first
// listed[0] records under type 1, the next listed[1] under type 2, the rest
// under type 3. The type byte inside a record is what the rules use, even
// where it differs from the list the record stands in.
struct TEQData {
    std::vector<TEquipItemProp> equipment;
    std::array<std::uint8_t, EquipTypeCount> listed{};

    // The type whose list holds record `index`.
    std::uint8_t ListedType(size_t index) const;
    bool operator==(const TEQData&) const = default;
};

// Three u8 counts, one per type, then the records; nothing after. A record
// whose own type is not 1 to 3 is refused: no equipment place takes it.
TEQData ReadEQData(TDataReader& reader);
// Raises TGameError when the counts do not add up to the records or a type
// is not 1 to 3.
void WriteEQData(TDataWriter& writer, const TEQData& data);
TEQData LoadEQData(std::string_view sjisName = EQDataFile);

// The first equipment with that id, or null.
const TEquipItemProp* FindEquipment(const std::vector<TEquipItemProp>& equipment, std::int32_t id);
