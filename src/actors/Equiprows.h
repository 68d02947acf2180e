#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class IItemImp;
class THero;

// What the equipment screen shows, worked out from the heroine: texts are
// Shift-JIS and empty where the screen shows nothing.

// A row of the equipped list and of the synthesis list: name, attack,
// defence and durability.
struct TEquipRowText {
    std::string name;
    std::string attack;
    std::string defence;
    std::string durability;
    bool operator==(const TEquipRowText&) const = default;
};

// The row of an item; an empty row for no item.
TEquipRowText EquipRowOf(const IItemImp* item);

// No kind icon: keys and tools.
inline constexpr int NoKindIcon = -1;

// A row of the carried list.
struct TCarriedRow {
    // 0, 1, 2 for equipment of type 1, 2, 3.
    int icon = NoKindIcon;
    // "E" when it is worn in its type's place.
    std::string mark;
    std::string name;
    std::string effect;
    std::string durability;
    std::string carry;
    bool operator==(const TCarriedRow&) const = default;
};

TCarriedRow CarriedRowOf(const THero& hero, std::size_t position);

// Whether she carries tool 5, which lets her combine swords.
bool MayUniteSwords(const THero& hero);

// One difference panel: an arrow and the amount, coloured (0xRRGGBB); the
// empty text shows nothing.
struct TDifferenceText {
    std::string text;
    std::uint32_t colour = 0;
    bool operator==(const TDifferenceText&) const = default;
};

TDifferenceText DifferenceText(int difference);

// What putting on an item would change in attack and defence, against what
// she wears in the same place; nothing for an item that is no equipment.
struct TEquipDifferences {
    TDifferenceText attack;
    TDifferenceText defence;
    bool operator==(const TEquipDifferences&) const = default;
};

TEquipDifferences DifferencesOf(const THero& hero, const IItemImp* item);

inline constexpr int NoRow = -1;

// Everything the screen shows apart from the synthesis panel.
struct TEquipContents {
    // Places 1 to 3.
    std::array<TEquipRowText, 3> equipped;
    std::vector<TCarriedRow> carried;
    // "ソードユナイト" is shown.
    bool uniteOffered = false;
    // Her attack and defence with what she wears.
    int attack = 0;
    int defence = 0;
    // The rows the player has selected, or NoRow.
    int selectedEquipped = NoRow;
    int selectedCarried = NoRow;
};

TEquipContents EquipContentsOf(THero& hero);
