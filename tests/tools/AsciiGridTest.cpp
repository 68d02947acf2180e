#include "StageSource.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

// A floor whose blocks are all different needs more legend keys than there
// are characters; the dump then draws two characters per block.
TEST(AsciiGrid, ManyKindsOfBlockDumpWithWiderCellsAndReadBack) {
    TFloarData floar;
    floar.width = 12;
    floar.height = 10;
    for (std::uint8_t y = 0; y < floar.height; ++y) {
        auto& row = floar.grid.emplace_back();
        for (std::uint8_t x = 0; x < floar.width; ++x) {
            row.push_back({x, y, static_cast<std::uint8_t>(x + y)});
        }
    }
    TStageData stage;
    stage.name = "wide";
    stage.floars.push_back(floar);
    const auto texts = DumpStages({stage});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].text.find("cell_width: 2"), std::string::npos) << texts[0].text;

    TTempFolder folder;
    std::filesystem::create_directories(folder.Path() / "stages");
    std::ofstream(folder.Path() / texts[0].relName) << texts[0].text;
    const auto source = ReadStageSources(folder.Path());
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(source->stages, TDungeonData{stage});
    // Each row of the drawing is found on its own line of the source.
    EXPECT_EQ(source->marks[0].floars[0].gridRows[3].line,
              source->marks[0].floars[0].gridRows[0].line + 3);
}

} // namespace
