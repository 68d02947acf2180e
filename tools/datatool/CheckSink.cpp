#include "CheckSink.h"

namespace {

const char* SlotName(TBlockSlot slot) {
    switch (slot) {
    case TBlockSlot::Guest:
        return "guest";
    case TBlockSlot::WallObje:
        return "wall object";
    case TBlockSlot::WallSwitch:
        return "wall switch";
    case TBlockSlot::Item:
        return "item";
    case TBlockSlot::FloarActer:
        return "floor actor";
    case TBlockSlot::Fairy:
        return "fairy";
    }
    return "";
}

} // namespace

std::string Cell(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

void TSlotTracker::Take(TBlockSlot slot, int x, int y, const TSourceLocation& where,
                        const std::string& what) {
    const auto [entry, fresh] = taken.try_emplace({slot, x, y}, where, what);
    if (!fresh) {
        sink.Add(where, what + " and " + entry->second.second + " (" +
                            entry->second.first.ToString() + ") both take the " + SlotName(slot) +
                            " slot of block " + Cell(x, y) + " of " + grid);
    }
}
