#include "SimEquip.h"

#include "actors/Hero.h"
#include "actors/Itemrecord.h"
#include "actors/qt/Prx_formequip.h"
#include "core/SimErrors.h"
#include "core/SimScript.h"
#include "support/HeroWorld.h"
#include "support/TestMap.h"
#include "world/Mapdata.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The real equipment screen over a heroine at level 1 who carries, in this
// order: 銅の剣 and 鉄の剣 found on this floor, the book of synthesis, 革のよろい
// (level 2), and then more wooden shields than the list shows at once.
class TEquipBench {
public:
    static constexpr int Shields = 24;
    static constexpr int LastRow = 3 + Shields;

    TEquipBench() {
        world.PutHero(map, 0, 0);
        world.Give(BI_Equipment, 1, CF_DungeonOnly);
        world.Give(BI_Equipment, 4, CF_DungeonOnly);
        world.Give(BI_Tool, 5);
        world.Give(BI_Equipment, 2);
        for (int i = 0; i < Shields; ++i) {
            world.Give(BI_Equipment, 3);
        }
        screen.Show(0, 0);
    }

    // Plays the script's lines on the screen.
    void Play(const std::string& script) {
        for (const TSimCommand& command : ParseSimScript(script)) {
            if (command.verb == TSimVerb::Unite) {
                PlayUnite(&screen, command);
            } else {
                PlayEquip(&screen, command);
            }
        }
    }

    THero& Hero() const { return world.Hero(); }

    THeroWorld world;
    TTestMap map{"."};
    TPrx_FormEquip screen{world.Hero(), [] { return nullptr; }};
};

TEST(SimEquip, ARowBelowWhatTheListShowsIsScrolledToAndPutOn) {
    TEquipBench bench;
    bench.Play("equip " + std::to_string(TEquipBench::LastRow) + "\n");
    EXPECT_EQ(bench.Hero().Equipped(3), &bench.Hero().ItemAt(TEquipBench::LastRow));
    bench.Play("equip 0\nequip off 1\n");
    EXPECT_EQ(bench.Hero().Equipped(1), nullptr);
}

TEST(SimEquip, APressThatChangesNothingFailsWithTheReason) {
    struct TCase {
        const char* before;
        const char* command;
        const char* reason;
    };
    const TCase cases[] = {
        {"", "equip 2", "合成の書 is no equipment"},
        {"", "equip 3", "革のよろい needs level 2 and she is level 1"},
        {"equip 0", "equip 0", "she already wears 銅の剣"},
        {"", "equip off 2", "she wears nothing in place 2"},
        {"", "unite 0 2", "the synthesis did not take carried row 2: 武器以外は合成できません"},
        {"", "unite 0 0", "the synthesis did not take carried row 0: 合成する剣を選んでください"},
        {"unite 0 1", "equip 0", "the synthesis is over"},
    };
    for (const TCase& c : cases) {
        TEquipBench bench;
        bench.Play(c.before);
        try {
            bench.Play(std::string(c.command) + "\n");
            ADD_FAILURE() << c.command << " did not fail";
        } catch (const TSimFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.reason), std::string::npos)
                << c.command << ": " << failure.what();
        }
    }
}

TEST(SimEquip, TakingOffDuringASynthesisFails) {
    TEquipBench bench;
    bench.Play("equip 0\n");
    bench.screen.StartSynthesis();
    try {
        bench.Play("equip off 1\n");
        ADD_FAILURE() << "the sword came off";
    } catch (const TSimFailure& failure) {
        EXPECT_STREQ(failure.what(), "\"▼\" did not take off 銅の剣: the synthesis panel is open");
    }
    EXPECT_EQ(bench.Hero().Equipped(1), &bench.Hero().ItemAt(0));
}

} // namespace
