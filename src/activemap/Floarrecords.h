#pragma once

#include <cstdint>

// A map that keeps the saved records of what lies on its floor: taken items
// and met fairies leave those lists.
class IFloarRecordKeeper {
public:
    virtual ~IFloarRecordKeeper() = default;
    virtual void RemoveItemRecord(const std::uint8_t* record) = 0;
    virtual void RemoveObjectRecord(const std::uint8_t* record) = 0;
};
