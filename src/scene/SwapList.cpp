#include "scene/SwapList.h"

#include "world/Mycpp.h"

#include <numeric>
#include <optional>

namespace {

std::optional<int> NonNegativeNumber(std::string_view text) {
    const std::optional<int> value = WholeNumber<int>(TrimBlanks(text));
    if (!value || *value < 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::vector<TSlotPair> ParseSwapList(const std::string& text) {
    std::vector<TSlotPair> pairs;
    for (const std::string& line : SplitLines(text)) {
        const auto separator = line.find('>');
        if (separator == std::string::npos) {
            continue;
        }
        const std::string_view rest = std::string_view(line).substr(separator + 1);
        const auto a = NonNegativeNumber(std::string_view(line).substr(0, separator));
        const auto b = NonNegativeNumber(rest.substr(0, rest.find('>')));
        if (a && b) {
            pairs.push_back({*a, *b});
        }
    }
    return pairs;
}

TMaterialRemap::TMaterialRemap() {
    std::iota(table.begin(), table.end(), 0);
}

void TMaterialRemap::Swap(int a, int b) {
    if (a < 0 || b < 0 || a >= SlotCount || b >= SlotCount) {
        return;
    }
    table[static_cast<size_t>(a)] = b;
    table[static_cast<size_t>(b)] = a;
}
