#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <type_traits>

class I3DGrph;

#pragma pack(push, 1)
struct TPlanRota {
    float angle;
    // The point the axis passes through: (y, z) for X, (x, z) for Y, (x, y) for Z.
    float shiftA;
    float shiftB;
};

struct TPlanVector {
    float x;
    float y;
    float z;
};

// One part of an object as the object file stores it.
struct TObjePlan {
    std::uint32_t grphSet;  // unused on disk
    std::uint32_t reserved; // unused
    std::uint32_t grphNo;   // 0: no graphics
    std::uint8_t isLeaf;
    std::uint8_t padding[3];
    std::uint32_t objeNo;  // consecutive plans with one number make one object
    std::int32_t parentNo; // 1-based part of the same object; 0 the root
    TPlanVector position;
    TPlanRota xRota;
    TPlanRota yRota;
    TPlanRota zRota;
    TPlanVector scale; // added to the unit scale
    std::uint8_t visible;
    // For variants 1 to 7: which entry of the graphics set to draw.
    std::uint8_t variantGrph[7];
};
#pragma pack(pop)
static_assert(sizeof(TObjePlan) == 92);
static_assert(std::is_trivially_copyable_v<TObjePlan>);

// The graphics of one graphics number: the default first, then up to six
// alternative colourings of the same model (absent ones are null).
struct TGrphKind {
    static constexpr size_t EntryCount = 7;
    std::array<std::unique_ptr<I3DGrph>, EntryCount> entries;
};
