#include "shell/Statusview.h"

#include "activemap/Activemap.h"
#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "shell/SceneWorld.h"

#include <gtest/gtest.h>

namespace {

using StatusView = SceneWorld;

const std::vector<std::string> OpenFloor = {
    ".......", ".......", ".......", ".......", ".......", ".......", ".......",
};

TEST_F(StatusView, HerValuesShowFromTheSceneEntryAndNothingIsLookedAt) {
    record.hp = 4;
    record.maxHp = 6;
    record.attack = 3;
    record.defence = 2;
    record.level = 2;
    record.next = 1;
    Enter(OpenFloor, 3, 3);
    EXPECT_EQ(Label(TStatusLabel::HeroHP), "4");
    EXPECT_EQ(Label(TStatusLabel::HeroMaxHP), "6");
    EXPECT_EQ(Label(TStatusLabel::HeroAttack), "3");
    EXPECT_EQ(Label(TStatusLabel::HeroDefence), "2");
    EXPECT_EQ(Label(TStatusLabel::HeroLevel), "2");
    EXPECT_EQ(Label(TStatusLabel::HeroNext), "1");
    EXPECT_EQ(Label(TStatusLabel::LookedCaption), Sjis("外部プロパティ"));
    EXPECT_EQ(Label(TStatusLabel::LookedHPCaption), "HP");
    EXPECT_EQ(Label(TStatusLabel::LookedAttack), "");
    EXPECT_EQ(Window().comparison, std::nullopt);
}

TEST_F(StatusView, AnEnemyIsComparedWithHerAttackAndDefence) {
    struct TCase {
        int heroAttack, heroDefence, enemyAttack, enemyDefence;
        TComparisonPicture picture;
        const char* attackMargin;
        const char* defenceMargin;
    };
    const TCase cases[] = {
        // Her attack just gets through, falls short, or has points to spare.
        {5, 2, 2, 4, {0, 2}, "", ""},
        {5, 2, 2, 2, {4, 2}, "2", ""},
        {5, 2, 2, 6, {1, 2}, "2", ""},
        {5, 2, 2, 5, {1, 2}, "1", ""},
        // Its attack pierces her defence, or her defence has points to spare.
        {5, 2, 4, 4, {0, 3}, "", "2"},
        {5, 3, 1, 4, {0, 5}, "", "2"},
        // An obstacle block has no attack: only her half is compared.
        {5, 2, 0, 4, {0, -1}, "", ""},
    };
    Enter(OpenFloor, 3, 3);
    TEnemy& enemy = PutEnemy(3, 1, 2, 4);
    for (const TCase& c : cases) {
        record.attack = static_cast<std::uint16_t>(c.heroAttack);
        record.defence = static_cast<std::uint16_t>(c.heroDefence);
        auto& stats = *reinterpret_cast<TSaveEnemy*>(enemy.GetRecord());
        stats.attack = static_cast<std::uint16_t>(c.enemyAttack);
        stats.defence = static_cast<std::uint16_t>(c.enemyDefence);
        Status().ShowEnemy(&enemy);
        EXPECT_EQ(Window().comparison, c.picture) << c.heroAttack << " " << c.enemyDefence;
        EXPECT_EQ(Label(TStatusLabel::AttackMargin), c.attackMargin) << c.enemyDefence;
        EXPECT_EQ(Label(TStatusLabel::DefenceMargin), c.defenceMargin) << c.enemyAttack;
    }
    EXPECT_EQ(Label(TStatusLabel::LookedCaption), "enemy");
    EXPECT_EQ(Label(TStatusLabel::LookedHP), "3");
    EXPECT_EQ(Label(TStatusLabel::LookedMaxHP), "3");
    EXPECT_EQ(Label(TStatusLabel::LookedAttack), "0");
    EXPECT_EQ(Label(TStatusLabel::LookedDefence), "4");
}

TEST_F(StatusView, AnItemIsComparedWithWhatSheWearsInItsPlace) {
    Enter(OpenFloor, 3, 3);
    TItemActer& sword = PutEquipment(2, 2, 1);
    Status().ShowItem(&sword);
    EXPECT_EQ(Label(TStatusLabel::LookedCaption), Sjis("銅の剣"));
    EXPECT_EQ(Label(TStatusLabel::LookedHPCaption), Sjis("耐久"));
    EXPECT_EQ(Label(TStatusLabel::LookedHP), "5");
    EXPECT_EQ(Label(TStatusLabel::LookedMaxHP), "5");
    EXPECT_EQ(Label(TStatusLabel::LookedAttack), "3");
    EXPECT_EQ(Label(TStatusLabel::LookedDefence), "");
    EXPECT_EQ(Window().comparison, (TComparisonPicture{4, -1})) << "no sword: all of it is a gain";
    EXPECT_EQ(Label(TStatusLabel::AttackMargin), "3");
    EXPECT_EQ(Label(TStatusLabel::DefenceMargin), "");

    THerosBase::Instance().GiveItem(2, 1, 0);
    ASSERT_TRUE(Hero().Equip(Hero().ItemCount() - 1));
    EXPECT_EQ(Window().comparison, (TComparisonPicture{-1, -1})) << "compared again on equipping";
    EXPECT_EQ(Label(TStatusLabel::AttackMargin), "");
    TItemActer& better = PutEquipment(4, 2, 1, 2);
    Status().ShowItem(&better);
    EXPECT_EQ(Label(TStatusLabel::LookedCaption), Sjis("銅の剣 + 2"));
    EXPECT_EQ(Window().comparison, (TComparisonPicture{4, -1}));
    EXPECT_EQ(Label(TStatusLabel::AttackMargin), "2");

    TItemActer& shield = PutEquipment(2, 4, 3);
    Status().ShowItem(&shield);
    EXPECT_EQ(Label(TStatusLabel::LookedHPCaption), "HP");
    EXPECT_EQ(Label(TStatusLabel::LookedAttack), "");
    EXPECT_EQ(Label(TStatusLabel::LookedDefence), "1");
    EXPECT_EQ(Window().comparison, (TComparisonPicture{1, 5}));
    EXPECT_EQ(Label(TStatusLabel::AttackMargin), "1");
    EXPECT_EQ(Label(TStatusLabel::DefenceMargin), "1");

    Status().ForgetItem(better);
    EXPECT_EQ(Status().ShownItem(), &shield) << "only the shown item is forgotten";
    Status().ForgetItem(shield);
    EXPECT_EQ(Status().ShownItem(), nullptr);
    EXPECT_EQ(Label(TStatusLabel::LookedCaption), Sjis("外部プロパティ"));
    EXPECT_EQ(Window().comparison, std::nullopt);
}

TEST_F(StatusView, HitPointsReachTheLabelsOfTheHeroineAndOfTheShownEnemyOnly) {
    Enter(OpenFloor, 3, 3);
    TEnemy& shown = PutEnemy(3, 2, 2, 4);
    TEnemy& other = PutEnemy(4, 2, 2, 4);
    Status().ShowEnemy(&shown);
    other.TakeDamage(2);
    Status().UpdateHP(other);
    EXPECT_EQ(Label(TStatusLabel::LookedHP), "3");
    shown.TakeDamage(1);
    Status().UpdateHP(shown);
    EXPECT_EQ(Label(TStatusLabel::LookedHP), "2");
    record.hp = 1;
    Status().UpdateHP(Hero());
    EXPECT_EQ(Label(TStatusLabel::HeroHP), "1");

    Status().Forget(other);
    EXPECT_EQ(Status().ShownEnemy(), &shown);
    Status().Forget(shown);
    EXPECT_EQ(Status().ShownEnemy(), nullptr);
    EXPECT_EQ(Label(TStatusLabel::LookedHP), "");

    Status().ShowEnemy(&other);
    Window().ClearCommand();
    EXPECT_EQ(Status().ShownEnemy(), nullptr) << "クリア";
    EXPECT_EQ(Window().comparison, std::nullopt);
}

TEST_F(StatusView, TheCameraPutsTheHeroinesCellAtThePointersReferencePoint) {
    Enter(OpenFloor, 3, 3);
    const TScreenPoint at = ScreenOf(3, 3);
    EXPECT_NEAR(at.x, 491 / 2, 1);
    EXPECT_NEAR(at.y, 203, 8);
    EXPECT_EQ(Status().BlockAtScreen(ViewProj(), 245, 203), &map->Block(3, 3));
}

TEST_F(StatusView, EveryCellIsPickedAtItsOwnPlaceOnTheScreen) {
    Enter(OpenFloor, 3, 5);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 7; ++x) {
            const TScreenPoint at = ScreenOf(x, y);
            EXPECT_EQ(Status().BlockAtScreen(ViewProj(), at.x, at.y), &map->Block(x, y))
                << x << "," << y << " at " << at.x << "," << at.y;
        }
    }
    const TScreenPoint northWest = ScreenOf(0, 0);
    EXPECT_EQ(Status().BlockAtScreen(ViewProj(), northWest.x, northWest.y - 40), nullptr)
        << "above the grid's northern edge";
    const TScreenPoint west = ScreenOf(0, 3);
    EXPECT_EQ(Status().BlockAtScreen(ViewProj(), west.x - 60, west.y), nullptr)
        << "beyond the row's west end";
}

TEST_F(StatusView, PointingAtACellShowsTheEnemyOnItElseTheItemOnIt) {
    Enter(OpenFloor, 3, 3);
    TEnemy& enemy = PutEnemy(1, 1, 2, 4);
    TItemActer& sword = PutEquipment(5, 1, 1);
    PutEquipment(1, 1, 3);
    const TScreenPoint atEnemy = ScreenOf(1, 1);
    EXPECT_EQ(Status().ThingAtScreen(ViewProj(), atEnemy.x, atEnemy.y), &enemy);
    Status().ShowBlockContentsAt(ViewProj(), atEnemy.x, atEnemy.y);
    EXPECT_EQ(Status().ShownEnemy(), &enemy) << "the enemy before the item under it";

    const TScreenPoint atSword = ScreenOf(5, 1);
    Status().ShowBlockContentsAt(ViewProj(), atSword.x, atSword.y);
    EXPECT_EQ(Status().ShownItem(), &sword);
    EXPECT_EQ(Status().ShownEnemy(), nullptr);

    const TScreenPoint empty = ScreenOf(3, 1);
    EXPECT_EQ(Status().ThingAtScreen(ViewProj(), empty.x, empty.y), nullptr);
    Status().ShowBlockContentsAt(ViewProj(), empty.x, empty.y);
    EXPECT_EQ(Status().ShownItem(), &sword) << "an empty cell changes nothing";
    const TScreenPoint atHer = ScreenOf(3, 3);
    EXPECT_EQ(Status().ThingAtScreen(ViewProj(), atHer.x, atHer.y), nullptr)
        << "the heroine is no enemy";
}

TEST_F(StatusView, LeavingTheSceneForgetsWhatWasLookedAt) {
    Enter(OpenFloor, 3, 3);
    Status().ShowEnemy(&PutEnemy(1, 1, 2, 4));
    Operator().ClearScene();
    EXPECT_EQ(Status().ShownEnemy(), nullptr);
    EXPECT_EQ(Status().BlockAtScreen(ViewProj(), 245, 203), nullptr) << "no map, nothing picked";
}

TEST_F(StatusView, TakingTheStairsForgetsTheEnemyLookedAt) {
    Operator().EnterDungeon(0, false);
    IActiveMap& floor = *Operator().ActiveMap();
    ASSERT_GT(floor.EnemyCount(), 0u);
    Status().ShowEnemy(floor.EnemyAt(0)->AsFighter());
    ASSERT_NE(Status().ShownEnemy(), nullptr);
    CurrentDungeonSave().hero.floar = 2;
    Operator().ChangeFloor();
    EXPECT_EQ(Status().ShownEnemy(), nullptr);
    EXPECT_EQ(Label(TStatusLabel::LookedCaption), Sjis("外部プロパティ"));
    EXPECT_EQ(Label(TStatusLabel::HeroHP), "5") << "her values stay";
}

} // namespace
