#include "scene/Dx7grph.h"

#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

class Dx7Grph : public testing::Test {
protected:
    Dx7Grph() {
        std::filesystem::create_directory("Obje");
        std::filesystem::copy_file(
            std::string(TESSARINE_TEST_DATA_DIR) + "/scene/swapped_materials.x", "Obje/colours.x");
    }

    const CD3DFileObject& Mesh(const TDX7_Xfile& graphics) {
        return *graphics.LoadedModel()->Root().Children().at(0);
    }

    TTempFolder folder;
    TRecordingMessages messages;
};

TEST_F(Dx7Grph, MissingModelTellsThePlayerAndStaysEmpty) {
    TDX7_Xfile graphics;
    const std::string path = Sjis("Obje\\見えない.x");
    EXPECT_FALSE(graphics.LoadFile(path));
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], Sjis("ファイルが見つかりません  ") + path);
    EXPECT_EQ(graphics.LoadedModel(), nullptr);
}

TEST_F(Dx7Grph, ModelThatFailsToParseIsDiscardedWithALogLine) {
    WriteWholeGameFile("Obje/broken.x", {'x', 'o', 'f', ' ', '0', '3', '0', '3', 't', 'x', 't',
                                         ' ', '0', '0', '3', '2', 'M', 'e', 's', 'h', '{'});
    TDX7_Xfile graphics;
    ASSERT_TRUE(graphics.LoadFile("Obje\\colours.x"));
    std::ostringstream log;
    auto* const standardError = std::cerr.rdbuf(log.rdbuf());
    EXPECT_FALSE(graphics.LoadFile("Obje\\broken.x"));
    std::cerr.rdbuf(standardError);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_TRUE(graphics.LoadedModel()->IsEmpty());
    EXPECT_EQ(log.str(),
              "tessarine: model Obje\\broken.x: line 1: Mesh is not closed; the model is "
              "discarded\n");
}

TEST_F(Dx7Grph, SwapListBeforeLoadingRecoloursAndSurvivesReloading) {
    TDX7_Xfile graphics;
    graphics.SwapList("0>1\r\nx>2\r\n");
    ASSERT_TRUE(graphics.LoadFile("Obje/colours.x"));
    EXPECT_EQ(Mesh(graphics).Slots()[0].material.diffuse.b, 1.0f);
    ASSERT_TRUE(graphics.LoadFile("Obje/colours.x"));
    EXPECT_EQ(Mesh(graphics).Slots()[0].material.diffuse.b, 1.0f);
    EXPECT_EQ(Mesh(graphics).Slots()[1].material.diffuse.r, 1.0f);

    TDX7_Xfile untouched;
    untouched.SwapList("");
    EXPECT_EQ(untouched.LoadedModel(), nullptr);
}

} // namespace
