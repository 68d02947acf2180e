#pragma once

#include "save/Savedungeon.h"
#include "save/Savetown.h"

#include <gtest/gtest.h>
#include <vector>

// A save list as a vector, to compare with expected records.
template <typename TRecord> std::vector<TRecord> Records(const TSaveList<TRecord>& list) {
    return {list.begin(), list.end()};
}

// The save states are program-wide: every test releases the ones it made.
class SaveStateTest : public ::testing::Test {
protected:
    void TearDown() override {
        TSaveTown::ReleaseInstance();
        TSaveDungeon::ReleaseInstance();
    }
};
