#include "platform/RandomSource.h"

#include "platform/GameError.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomSource, SameSeedSameDraws) {
    TRandomSource first(42);
    TRandomSource second(42);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(first.Below(100), second.Below(100));
    }
}

TEST(RandomSource, DrawsStayInRangeAndCoverIt) {
    TRandomSource random(7);
    std::vector<int> seen(3, 0);
    for (int i = 0; i < 3000; ++i) {
        const int v = random.Below(3);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 3);
        ++seen[v];
    }
    for (int count : seen) {
        EXPECT_NEAR(count, 1000, 100);
    }
    EXPECT_THROW(random.Below(0), TGameError);
}

} // namespace
