#include "activemap/Activemap.h"
#include "actors/Fighter.h"
#include "scene/Dx7matrix.h"
#include "scene/I3DEngine.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/Mousecurope.h"
#include "shell/Statusview.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Px_formgame.h"
#include "shell/qt/Px_formmdi.h"
#include "shell/qt/ShellFixture.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The first dungeon of a game folder played in the real game window on the
// screen: the test content, or the folder named by TESSARINE_SHOT_GAME (a
// game folder as scripts/layout-game lays it out). With TESSARINE_SHOT_FILE
// the window is saved there as a PNG once an enemy is looked at.
class Pointing : public ShellTest {
protected:
    Pointing() {
        if (const char* game = std::getenv("TESSARINE_SHOT_GAME")) {
            for (const char* part : {"Data", "Obje", "Graph"}) {
                std::filesystem::remove_all(folder.Path() / part);
                std::filesystem::copy(std::filesystem::path(game) / part, folder.Path() / part,
                                      std::filesystem::copy_options::recursive);
            }
        }
        OpenWindow().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->CloseTitle();
        dungOperator = &window->Proxy().App().DungOperator();
    }

    TPX_FormGame& Proxy() const { return static_cast<TPX_FormGame&>(IGameWindow::Instance()); }

    // Stands the heroine on a free cell a little south of the first enemy
    // that leaves room for her there, the camera following her at the next
    // frame.
    IDungActer* StandBeforeAnEnemy() {
        IActiveMap& map = *dungOperator->ActiveMap();
        for (std::size_t i = 0; i < map.EnemyCount(); ++i) {
            IDungActer* enemy = map.EnemyAt(i);
            if (TDungBlock* spot = FreeCellSouthOf(map, *enemy->GetBlock())) {
                IDungActer& hero = *map.GetHeroActer();
                const auto [x, y, z] = map.HeroPosition();
                hero.GetBlock()->ClearGuest();
                hero.MoveTo(spot);
                spot->SetGuest(&hero);
                hero.Move(WorldXOfBlock(spot->GetX()) - x, 0.0f, WorldZOfBlock(spot->GetY()) - z);
                return enemy;
            }
        }
        return nullptr;
    }

    static TDungBlock* FreeCellSouthOf(const IActiveMap& map, const TDungBlock& at) {
        for (const int down : {2, 3, 1}) {
            for (const int side : {0, -1, 1}) {
                const int x = at.GetX() + side;
                const int y = at.GetY() + down;
                if (x < 0 || x >= map.GetWidth() || y >= map.GetHeight()) {
                    continue;
                }
                TDungBlock* spot = map.BlockAt(x, y);
                if (spot->IsFreeForHero()) {
                    return spot;
                }
            }
        }
        return nullptr;
    }

    TScreenPoint ScreenOf(TDungBlock& block) const {
        TOneMat viewProj;
        dungOperator->Engine().GetViewProj(viewProj);
        const TOneMat cell = MatProduct(block.GetMat(), viewProj);
        const auto at = ProjectToScreen(cell, 0.0f, 1.0f, 0.0f, 491, 504);
        EXPECT_TRUE(at.has_value());
        return at.value_or(TScreenPoint{0, 0});
    }

    TDungOperator* dungOperator = nullptr;
};

TEST_F(Pointing, PointingAtAnEnemyOnAFloorLooksAtItAndComparesItWithTheHeroine) {
    dungOperator->EnterDungeon(0, false);
    // The automap's layout, from the story's second stage on, with picking.
    Proxy().ArrangeLayout(true);
    TMouseCurOpe::Instance().EnablePicking(true);
    IDungActer* enemy = StandBeforeAnEnemy();
    ASSERT_NE(enemy, nullptr) << "no enemy with room before it";
    // Frames follow her with the camera.
    QTest::qWait(400);

    QWidget* view = Proxy().Form()->Panel3();
    const TScreenPoint at = ScreenOf(*enemy->GetBlock());
    const QPoint point(at.x, at.y);
    QMouseEvent move(QEvent::MouseMove, point, view->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    EXPECT_EQ(TMouseCurOpe::Instance().Cursor(), WatchCursor);
    QTest::mousePress(view, Qt::LeftButton, {}, point);
    QTest::mouseRelease(view, Qt::LeftButton, {}, point);
    EXPECT_EQ(static_cast<IDungActer*>(dungOperator->StatusView().ShownEnemy()), enemy);
    const auto* box = Proxy().Form()->findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    EXPECT_NE(box->title(), QStringLiteral("外部プロパティ"));
    EXPECT_TRUE(box->findChild<QLabel*>(QStringLiteral("Image2"))->isVisible());

    if (const char* file = std::getenv("TESSARINE_SHOT_FILE")) {
        QTest::qWait(200);
        EXPECT_TRUE(Proxy().Window()->grab().save(QString::fromLocal8Bit(file), "PNG"));
    }
}

} // namespace
