#include "platform/RandomSource.h"

#include "platform/GameError.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomSource, SameSeedSameDraws) {
    auto& random = TRandomSource::Instance();
    random.Seed(42);
    std::vector<int> first;
    for (int i = 0; i < 20; ++i) {
        first.push_back(random.Below(100));
    }
    random.Seed(42);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(random.Below(100), first[i]);
    }
}

TEST(RandomSource, DrawsStayInRangeAndCoverIt) {
    auto& random = TRandomSource::Instance();
    random.Seed(7);
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
