#include "platform/SingleInstanceRegistry.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Fails a test that leaves a program-wide single object alive, so that no
// test hands its state to the next: every creator releases what it made.
class TSingleInstanceCheck final : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        const auto alive = SingleInstanceRegistry::Alive();
        std::string names;
        for (const std::string& name : alive) {
            names += " " + name;
        }
        EXPECT_TRUE(alive.empty()) << "left alive at the end of the test:" << names;
    }
};

class TSingleInstanceCheckEnvironment final : public testing::Environment {
    void SetUp() override {
        testing::UnitTest::GetInstance()->listeners().Append(new TSingleInstanceCheck);
    }
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new TSingleInstanceCheckEnvironment);

} // namespace
