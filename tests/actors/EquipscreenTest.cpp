#include "actors/Equipscreenbase.h"
#include "actors/Hero.h"
#include "actors/Itemrecord.h"
#include "platform/SjisText.h"
#include "support/HeroWorld.h"
#include "support/TestBundle.h"
#include "support/TestItems.h"
#include "support/TestMap.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t Blue = 0x0000FF;
constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint8_t UniteBook = 5;

// The heroine standing on a floor with the equipment screen over her, shown
// by the window stand-in. Swords of any power are made from the fixture's
// own properties.
class EquipScreen : public testing::Test {
protected:
    EquipScreen() : hero(world.PutHero(map, 0, 0)), screen(hero) {}

    // A sword "X" of that power; answers its position.
    std::size_t Sword(int power, std::uint8_t carryFlag = CF_DungeonOnly, std::uint8_t maximum = 0,
                      std::uint8_t left = 0, std::uint8_t synthesis = 0) {
        props.push_back(std::make_unique<TEquipItemProp>(
            TestEquipProp(Sjis("X"), 100 + static_cast<int>(props.size()), EQ_Sword,
                          static_cast<std::int16_t>(power))));
        TSaveItem record = WornItemRecord(BI_Equipment, 0, carryFlag, maximum, left);
        record.synthesis = synthesis;
        hero.AddItem(std::make_unique<TItem_Equip>(record, *props.back()));
        return hero.ItemCount() - 1;
    }
    std::size_t Give(std::uint8_t kind, std::uint8_t id, std::uint8_t carryFlag = 0) {
        return world.Give(kind, id, carryFlag);
    }
    void Select(std::size_t row) { screen.SelectCarried(static_cast<int>(row)); }
    // "▲" on a carried row.
    void EquipRow(std::size_t row) {
        Select(row);
        screen.EquipSelected();
    }
    const std::string& Instruction() const { return screen.panel.instruction; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TCarriedRow& row : screen.contents.carried) {
            names.push_back(row.name);
        }
        return names;
    }

    THeroWorld world;
    TTestMap map{{"."}};
    THero& hero;
    std::vector<std::unique_ptr<TEquipItemProp>> props;
    TFakeEquipScreen screen;
};

TEST_F(EquipScreen, ListsWhatSheWearsAndCarriesWithTheirColumns) {
    const std::size_t sword = Sword(3, CF_DungeonOnly, 4, 2, 2);
    const std::size_t shield = Give(BI_Equipment, 3, CF_KeptIfAlive);
    Give(BI_Key, 1, CF_DungeonOnly);
    Give(BI_Tool, 2);
    const std::size_t spare = Sword(0);
    ASSERT_TRUE(hero.Equip(sword));
    ASSERT_TRUE(hero.Equip(shield));

    screen.Show(178, 286);
    ASSERT_TRUE(screen.IsShown());
    EXPECT_EQ(screen.at, (TWindowPoint{178, 286}));
    const TEquipRowText wornSword{Sjis("X + 2"), "5", "", "2/4"};
    EXPECT_EQ(screen.contents.equipped[0], wornSword);
    EXPECT_EQ(screen.contents.equipped[1], TEquipRowText{}) << "an empty place";
    EXPECT_EQ(screen.contents.equipped[2], (TEquipRowText{Sjis("木の盾"), "-1", "1", ""}));

    const std::vector<TCarriedRow> carried = {
        {0, "E", Sjis("X + 2"), "5", "2/4", Sjis("×")},
        {2, "E", Sjis("木の盾"), "1", "", Sjis("○")},
        {NoKindIcon, "", Sjis("白のかぎ"), "", "", Sjis("×")},
        {NoKindIcon, "", Sjis("地図"), "", "", Sjis("☆")},
        {0, "", Sjis("X"), "", "", Sjis("×")},
    };
    EXPECT_EQ(screen.contents.carried, carried);
    EXPECT_EQ(screen.contents.attack, 2 + 5 - 1);
    EXPECT_EQ(screen.contents.defence, 2 + 1);
    EXPECT_FALSE(screen.contents.uniteOffered) << "she carries no book of synthesis";
    EXPECT_FALSE(screen.panel.shown);
    EXPECT_EQ(screen.contents.selectedCarried, NoRow);

    // The effect of a sword is its power, even while it is broken.
    hero.ItemAt(sword).Wear();
    hero.ItemAt(sword).Wear();
    screen.Show(0, 0);
    EXPECT_EQ(screen.contents.carried[0].effect, "5");
    EXPECT_EQ(screen.contents.carried[0].durability, "0/4");
    EXPECT_EQ(screen.contents.attack, 2 - 1) << "a broken sword adds nothing";
    EXPECT_EQ(screen.contents.carried[spare].effect, "");

    screen.Close();
    EXPECT_FALSE(screen.IsShown());
    screen.Close();
    EXPECT_FALSE(screen.IsShown());
}

TEST_F(EquipScreen, TheDifferencePanelsCompareWithWhatIsWornInTheSamePlace) {
    const std::size_t worn = Sword(3);
    const std::size_t stronger = Sword(5);
    const std::size_t weaker = Sword(1);
    const std::size_t shield = Give(BI_Equipment, 3);
    const std::size_t key = Give(BI_Key, 2);
    ASSERT_TRUE(hero.Equip(worn));
    screen.Show(0, 0);
    EXPECT_EQ(screen.differences, TEquipDifferences{});

    struct TCase {
        std::size_t row;
        TEquipDifferences shown;
    };
    const TCase cases[] = {
        {stronger, {{Sjis("↑ 2"), Blue}, {}}},
        {weaker, {{Sjis("↓ 2"), Red}, {}}},
        {worn, {}},
        // Nothing worn in the shield's place: against nothing.
        {shield, {{Sjis("↓ 1"), Red}, {Sjis("↑ 1"), Blue}}},
        {key, {}},
    };
    for (const TCase& c : cases) {
        Select(c.row);
        EXPECT_EQ(screen.differences, c.shown) << "row " << c.row;
    }
    // Selecting changes nothing else.
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(worn));
    Select(99);
    EXPECT_EQ(screen.differences, TEquipDifferences{});
    EXPECT_EQ(screen.SelectedItem(), nullptr);
}

TEST_F(EquipScreen, UpAndDownPutOnAndTakeOffAndRefillTheLists) {
    const std::size_t sword = Sword(3);
    const std::size_t armour = Give(BI_Equipment, 2);
    const std::size_t key = Give(BI_Key, 1);
    screen.Show(0, 0);
    world.view.calls.clear();

    EquipRow(sword);
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(sword));
    EXPECT_EQ(screen.contents.carried[sword].mark, "E");
    EXPECT_EQ(screen.contents.equipped[0].name, Sjis("X"));
    EXPECT_EQ(screen.contents.attack, 5);
    EXPECT_EQ(screen.contents.selectedCarried, static_cast<int>(sword)) << "the row stays selected";
    EXPECT_EQ(screen.differences, TEquipDifferences{}) << "it is the sword she wears now";
    EXPECT_EQ(world.view.calls, std::vector<std::string>{"power"});

    // Refused silently: armour above her level, a key, no row.
    const TEquipContents before = screen.contents;
    EquipRow(armour);
    EquipRow(key);
    screen.SelectCarried(NoRow);
    screen.EquipSelected();
    EXPECT_EQ(screen.contents.carried, before.carried);
    EXPECT_EQ(hero.Equipped(2), nullptr);

    screen.UnequipSelected();
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(sword)) << "no place selected";
    screen.SelectEquipped(1);
    screen.UnequipSelected();
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(sword)) << "nothing is worn in place 2";
    screen.SelectEquipped(0);
    screen.UnequipSelected();
    EXPECT_EQ(hero.Equipped(1), nullptr);
    EXPECT_EQ(screen.contents.carried[sword].mark, "");
    EXPECT_EQ(screen.contents.equipped[0], TEquipRowText{});
    EXPECT_EQ(screen.contents.attack, 2);
}

TEST_F(EquipScreen, TheBookOfSynthesisOffersSwordUnite) {
    Sword(3);
    Sword(3);
    screen.Show(0, 0);
    EXPECT_FALSE(screen.contents.uniteOffered);
    screen.StartSynthesis();
    EXPECT_FALSE(screen.panel.shown) << "only through its button, which is hidden";
    EXPECT_EQ(screen.SynthesisMode(), TUniteMode::Idle);

    Give(BI_Tool, UniteBook);
    screen.Show(0, 0);
    EXPECT_TRUE(screen.contents.uniteOffered);
    screen.StartSynthesis();
    EXPECT_EQ(screen.SynthesisMode(), TUniteMode::Choosing);
    const TUnitePanel started{
        true, Sjis("ベースとなる剣を選んでください"), {}, false, Sjis("ｷｬﾝｾﾙ")};
    EXPECT_EQ(screen.panel, started);
}

TEST_F(EquipScreen, ASwordAbsorbsAnotherFoundInTheSameDungeon) {
    const std::size_t base = Sword(3, CF_DungeonOnly, 4, 2);
    const std::size_t worn = Sword(7, CF_DungeonOnly, 9, 1);
    Give(BI_Tool, UniteBook);
    ASSERT_TRUE(hero.Equip(worn)) << "the material may be worn";
    screen.Show(0, 0);
    screen.StartSynthesis();

    EquipRow(base);
    EXPECT_EQ(Instruction(), Sjis("合成する剣を選んでください"));
    EXPECT_EQ(screen.panel.rows[0], (TEquipRowText{Sjis("X"), "3", "", "2/4"}));
    EXPECT_FALSE(screen.panel.executeEnabled);
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(worn)) << "▲ chose instead of putting on";

    EquipRow(base);
    EXPECT_EQ(Instruction(), Sjis("合成する剣を選んでください")) << "the base again: nothing";
    EquipRow(worn);
    EXPECT_EQ(Instruction(), Sjis("合成を実行しますか？"));
    EXPECT_EQ(screen.panel.rows[1], (TEquipRowText{Sjis("X"), "7", "", "1/9"}));
    EXPECT_TRUE(screen.panel.executeEnabled);
    screen.SelectEquipped(0);
    screen.UnequipSelected();
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(worn)) << "▼ does nothing during a synthesis";

    world.view.calls.clear();
    screen.ExecuteSynthesis();
    const TUnitePanel done{true,
                           Sjis("合成が完了しました"),
                           {TEquipRowText{Sjis("X + 1"), "4", "", "5/5"}, TEquipRowText{}},
                           false,
                           Sjis("終了")};
    EXPECT_EQ(screen.panel, done);
    EXPECT_EQ(screen.SynthesisMode(), TUniteMode::Done);
    EXPECT_EQ(Names(), (std::vector<std::string>{Sjis("X + 1"), Sjis("合成の書")}))
        << "the other sword is gone";
    ASSERT_EQ(hero.ItemCount(), 2u);
    const TSaveItem& kept = hero.Inventory().items[0].item;
    EXPECT_EQ(kept, hero.ItemAt(0).GetRecord()) << "the inventory record changed alike";
    EXPECT_EQ(kept.synthesis, 1);
    EXPECT_EQ(kept.maxDurability, 5);
    EXPECT_EQ(kept.durability, 5);
    EXPECT_EQ(hero.Equipped(1), nullptr) << "the worn material was taken off";
    EXPECT_EQ(screen.contents.attack, 2);
    EXPECT_EQ(world.view.calls.back(), "power");

    EquipRow(0);
    EXPECT_EQ(hero.Equipped(1), nullptr) << "▲ does nothing once the synthesis is done";
    screen.ExecuteSynthesis();
    EXPECT_EQ(hero.ItemAt(0).GetRecord().synthesis, 1) << "nothing more to combine";

    screen.CancelSynthesis();
    EXPECT_FALSE(screen.panel.shown);
    EquipRow(0);
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(0));
    EXPECT_EQ(screen.contents.attack, 2 + 4);
}

TEST_F(EquipScreen, OnlySwordsThatCannotLeaveTheDungeonAreCombined) {
    const std::size_t permanent = Sword(3, CF_Permanent);
    const std::size_t keptIfAlive = Sword(3, CF_KeptIfAlive);
    const std::size_t shield = Give(BI_Equipment, 3, CF_DungeonOnly);
    const std::size_t book = Give(BI_Tool, UniteBook, CF_DungeonOnly);
    const std::size_t base = Sword(3);
    const std::size_t material = Sword(3);
    screen.Show(0, 0);

    struct TCase {
        std::size_t row;
        const char* instruction;
    };
    const TCase refused[] = {
        {permanent, "持出可能武器は合成できません"},
        {keptIfAlive, "持出可能武器は合成できません"},
        {shield, "武器以外は合成できません"},
        {book, "武器以外は合成できません"},
    };
    for (const bool baseChosen : {false, true}) {
        screen.StartSynthesis();
        if (baseChosen) {
            EquipRow(base);
        }
        for (const TCase& c : refused) {
            EquipRow(c.row);
            EXPECT_EQ(Instruction(), Sjis(c.instruction)) << "row " << c.row;
            EXPECT_FALSE(screen.panel.executeEnabled);
        }
    }
    EXPECT_EQ(screen.panel.rows[1], TEquipRowText{}) << "a refused sword is no material";

    EquipRow(material);
    EquipRow(permanent);
    EXPECT_EQ(Instruction(), Sjis("持出可能武器は合成できません"));
    EXPECT_TRUE(screen.panel.executeEnabled) << "the choice already made stands";
    const std::size_t third = Sword(3);
    EquipRow(third);
    EXPECT_EQ(screen.panel.rows[1].name, Sjis("X")) << "a material is already chosen";
    screen.ExecuteSynthesis();
    EXPECT_EQ(hero.ItemAt(base).GetDisplayName(), Sjis("X + 1"));
    EXPECT_EQ(hero.ItemCount(), 6u);
}

TEST_F(EquipScreen, ShowingAgainPutsAnUnfinishedSynthesisAway) {
    const std::size_t base = Sword(3);
    Sword(3);
    Give(BI_Tool, UniteBook);
    screen.Show(0, 0);
    screen.StartSynthesis();
    EquipRow(base);
    screen.Close();

    screen.Show(0, 0);
    EXPECT_EQ(screen.SynthesisMode(), TUniteMode::Idle);
    EXPECT_FALSE(screen.panel.shown);
    EXPECT_EQ(screen.SelectedItem(), nullptr);
    screen.ExecuteSynthesis();
    EXPECT_EQ(hero.ItemCount(), 3u);
    EquipRow(base);
    EXPECT_EQ(hero.Equipped(1), &hero.ItemAt(base)) << "▲ puts on again";
}

} // namespace
