#include "activemap/Outfieldbuilder.h"

#include "activemap/Outfield.h"
#include "support/FakeBody.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Floor(int width, int height) {
    return std::vector<std::string>(static_cast<std::size_t>(height),
                                    std::string(static_cast<std::size_t>(width), '.'));
}

TEST(OutFieldBuilder, ATenByEightFloorGetsFieldsOfItsSidesAndCorners) {
    TTestMap map(Floor(10, 8));
    TRecordingBodies bodies;
    BuildOutFields(map, bodies, 10, 8);

    struct TSize {
        int rows;
        int columns;
    };
    const TSize expected[] = {{5, 10}, {5, 10}, {8, 5}, {8, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 5}};
    for (int type = 0; type < IActiveMap::OutFieldCount; ++type) {
        const TOutField* field = map.OutField(type);
        ASSERT_NE(field, nullptr) << type;
        EXPECT_EQ(field->GetType(), type);
        EXPECT_EQ(field->FieldHeight(), expected[type].rows) << type;
        EXPECT_EQ(field->FieldWidth(), expected[type].columns) << type;
    }
    EXPECT_EQ(bodies.asked.size(), std::size_t{2 * 50 + 2 * 40 + 4 * 25});
    for (const std::uint32_t acter : bodies.asked) {
        EXPECT_EQ(acter, OutFieldBodyNumber);
    }
}

TEST(OutFieldBuilder, ANewBuildReplacesTheFieldsOfTheLastOne) {
    TTestMap map(Floor(3, 2));
    TRecordingBodies bodies;
    BuildOutFields(map, bodies, 3, 2);
    BuildOutFields(map, bodies, 6, 4);
    EXPECT_EQ(map.OutField(0)->FieldWidth(), 6);
    EXPECT_EQ(map.OutField(2)->FieldHeight(), 4);
}

} // namespace
