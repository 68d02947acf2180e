#include "actors/Acterbodyimp.h"
#include "anim/Acterfactory.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "scene/Objefactory.h"
#include "support/FakeBody.h"
#include "support/FormatTesting.h"
#include "support/ObjeFolder.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"
#include "world/DataFile.h"
#include "world/Dungwall.h"
#include "world/Floartilefactory.h"
#include "world/Wallobjefactory.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

template <typename TPlan> void Save(std::string_view name, const TWOPlanFile<TPlan>& plans) {
    TDataWriter writer;
    WriteWOPlanFile(writer, plans);
    writer.SaveTo(name);
}

// The test content's pieces: walls 1 (body 10) and 5 (body 11), big objects
// 1 (body 60) and 2 (body 61), floor tiles 1 (body 20) and 2 (no body).
class PieceFactories : public TObjeFolderTest {
protected:
    PieceFactories() {
        InstallTestContent(folder.Path());
        objes = std::make_unique<TObjeFactory>(grphFactory);
        acters = std::make_unique<TActerFactory>(*objes);
        contentBodies = std::make_unique<TActerBodySource>(*acters);
        bodies.real = contentBodies.get();
    }

    std::unique_ptr<TObjeFactory> objes;
    std::unique_ptr<TActerFactory> acters;
    std::unique_ptr<TActerBodySource> contentBodies;
    TRecordingBodies bodies;
};

TEST_F(PieceFactories, EachPieceGetsTheBodyItsPlanNames) {
    const TWallObjeFactory walls(bodies);
    const TFloarTileFactory tiles(bodies);
    struct TCase {
        const char* what;
        std::function<std::unique_ptr<IDungActer>()> make;
        TActerKind kind;
        std::vector<std::uint32_t> body;
    };
    const TCase cases[] = {
        {"wall 1", [&] { return walls.NewWallPiece(1); }, TActerKind::DungWall, {10}},
        {"counter", [&] { return walls.NewWallPiece(5); }, TActerKind::Counter, {11}},
        {"big object 1", [&] { return walls.NewBigObject(1); }, TActerKind::DungWall, {60}},
        {"big object 2", [&] { return walls.NewBigObject(2); }, TActerKind::DungWall, {61}},
        {"floor tile 1", [&] { return tiles.NewFloorTile(1); }, TActerKind::DungWall, {20}},
        {"floor tile 2", [&] { return tiles.NewFloorTile(2); }, TActerKind::DungWall, {}},
    };
    for (const TCase& c : cases) {
        bodies.asked.clear();
        const auto piece = c.make();
        EXPECT_EQ(piece->GetKind(), c.kind) << c.what;
        EXPECT_EQ(bodies.asked, c.body) << c.what;
        EXPECT_EQ(piece->GetBody() != nullptr, !c.body.empty()) << c.what;
    }
}

TEST_F(PieceFactories, AnIdWithoutPlanIsNamedWithItsPlanFile) {
    const TWallObjeFactory walls(bodies);
    const TFloarTileFactory tiles(bodies);
    // The counter id has no big object plan: each kind asks its own file.
    EXPECT_EQ(GameErrorOf([&] { walls.NewWallPiece(7); }),
              Sjis("ID 7 のプランがありません Data/WallObje"));
    EXPECT_EQ(GameErrorOf([&] { walls.NewBigObject(5); }),
              Sjis("ID 5 のプランがありません Data/BigWallObje"));
    EXPECT_EQ(GameErrorOf([&] { tiles.NewFloorTile(0); }),
              Sjis("ID 0 のプランがありません Data/FloarObje"));
    EXPECT_TRUE(bodies.asked.empty());
}

TEST(WallPieces, TheIdMakesTheCounterNotTheBody) {
    TTempFolder folder;
    CreateGameFolder("Data");
    Save<TObjePlanMini>(WallObjeFile, {{{CounterPieceId, 0}, ""}, {{6, 11}, ""}});
    Save<TBigObjePlan>(BigWallObjeFile, {});
    TRecordingBodies bodies;
    const TWallObjeFactory walls(bodies);

    const auto counter = walls.NewWallPiece(CounterPieceId);
    EXPECT_EQ(counter->GetKind(), TActerKind::Counter);
    EXPECT_EQ(counter->GetBody(), nullptr);
    const auto wall = walls.NewWallPiece(6);
    EXPECT_EQ(wall->GetKind(), TActerKind::DungWall);
    EXPECT_EQ(bodies.asked, std::vector<std::uint32_t>{11});
}

} // namespace
