#include "actors/Itemimp.h"

#include <array>

int KeyOnFloorBody(int keyNumber) {
    static constexpr std::array<int, 4> bodies = {5, 40, 41, 42};
    return keyNumber >= 1 && keyNumber <= static_cast<int>(bodies.size()) ? bodies[keyNumber - 1]
                                                                          : 0;
}

std::string TItem_Equip::GetDisplayName() const {
    const std::string name = PropName(prop.name);
    const std::uint8_t count = GetRecord().synthesis;
    return GetType() == EQ_Sword && count > 0 ? name + " + " + std::to_string(count) : name;
}

bool TItem_Equip::Repair() {
    RepairRecord(Record());
    return true;
}
