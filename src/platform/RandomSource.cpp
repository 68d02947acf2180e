#include "platform/RandomSource.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

TRandomSource::TRandomSource(std::uint32_t seed) : engine(seed) {}

int TRandomSource::Below(int bound) {
    if (bound <= 0) {
        throw TGameError(Sjis("乱数の範囲が正しくありません"));
    }
    // Rejection keeps every value equally likely.
    const std::uint32_t range = static_cast<std::uint32_t>(bound);
    const std::uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    std::uint32_t value = 0;
    do {
        value = static_cast<std::uint32_t>(engine());
    } while (value >= limit);
    return static_cast<int>(value % range);
}
