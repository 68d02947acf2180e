#pragma once

#include <cstdint>
#include <cstring>

// Every actor record begins alike: three identity bytes, then an i16 x at
// byte 4, an i16 y at byte 6 and the direction byte at 8, little-endian.
constexpr int RecordXOffset = 4;
constexpr int RecordYOffset = 6;
constexpr int RecordDirectionOffset = 8;

inline std::int16_t ReadRecordI16(const std::uint8_t* record, int offset) {
    std::int16_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}
inline void WriteRecordI16(std::uint8_t* record, int offset, std::int16_t value) {
    std::memcpy(record + offset, &value, sizeof value);
}
inline std::uint16_t ReadRecordU16(const std::uint8_t* record, int offset) {
    std::uint16_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}
inline void WriteRecordU16(std::uint8_t* record, int offset, std::uint16_t value) {
    std::memcpy(record + offset, &value, sizeof value);
}

// The bytes by which a floor's save lists know an actor: the identity bytes
// 0 to 2 and x, y and direction; the padding bytes 3 and 9 do not count.
constexpr int RecordIdentityBytes = 3;
constexpr int RecordIdentityEnd = RecordDirectionOffset + 1;

inline bool SameIdentity(const std::uint8_t* a, const std::uint8_t* b) {
    return std::memcmp(a, b, RecordIdentityBytes) == 0 &&
           std::memcmp(a + RecordXOffset, b + RecordXOffset, RecordIdentityEnd - RecordXOffset) ==
               0;
}
