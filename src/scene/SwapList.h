#pragma once

#include <array>
#include <string>
#include <vector>

struct TSlotPair {
    int a;
    int b;
};

// The pairs of a material swap list: each line is two non-negative decimal
// numbers joined by ">" (blanks around them allowed); other lines are skipped.
std::vector<TSlotPair> ParseSwapList(const std::string& text);

// Where each of a model's 16 material numbers is stored while loading.
// Swaps are not undone by later ones: 0-1 then 1-2 gives 1, 2, 1, 3, ...
class TMaterialRemap {
public:
    static constexpr int SlotCount = 16;

    TMaterialRemap();
    // Pairs naming a slot outside 0 to 15 are ignored.
    void Swap(int a, int b);
    int SlotOf(int material) const { return table[static_cast<size_t>(material)]; }
    const std::array<int, SlotCount>& Table() const { return table; }

private:
    std::array<int, SlotCount> table;
};
