#include "Content.h"
#include "DataKinds.h"
#include "actors/Enemydata.h"
#include "actors/Itemdata.h"
#include "anim/Acterplan.h"
#include "anim/Movestepdata.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "scene/Grphdata.h"
#include "scene/Objedata.h"
#include "support/TempFolder.h"
#include "support/TestContent.h"
#include "tools/RunTool.h"
#include "village/Eventdata.h"
#include "village/Peopledata.h"
#include "world/Area.h"
#include "world/DataFile.h"
#include "world/Mapdata.h"
#include "world/Towndata.h"
#include "world/WOPlanDepot.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <map>

namespace {

namespace fs = std::filesystem;

using TBytes = std::vector<std::uint8_t>;

// What the game itself reads of each data file.
const std::map<std::string_view, std::function<void(TDataReader&)>>& GameReaders() {
    static const std::map<std::string_view, std::function<void(TDataReader&)>> readers{
        {"DungData", [](TDataReader& r) { ReadDungeonData(r); }},
        {"TownData", [](TDataReader& r) { ReadTownData(r); }},
        {"WallObje", [](TDataReader& r) { ReadWOPlanFile<TObjePlanMini>(r); }},
        {"BigWallObje", [](TDataReader& r) { ReadWOPlanFile<TBigObjePlan>(r); }},
        {"FloarObje", [](TDataReader& r) { ReadWOPlanFile<TObjePlanMini>(r); }},
        {"AreaData", [](TDataReader& r) { ReadAreaData(r); }},
        {"EnemyData", [](TDataReader& r) { ReadEnemyData(r); }},
        {"ItemData", [](TDataReader& r) { ReadItemData(r); }},
        {"EQData", [](TDataReader& r) { ReadEQData(r); }},
        {"PeopleData", [](TDataReader& r) { ReadPeopleData(r); }},
        {"EventData", [](TDataReader& r) { ReadEventData(r); }},
        {"GrphData", [](TDataReader& r) { ReadGrphData(r); }},
        {"ObjeData", [](TDataReader& r) { ReadObjeData(r); }},
        {"MoveStepData", [](TDataReader& r) { ReadMoveStepData(r); }},
        {"ActerData", [](TDataReader& r) { ReadActerData(r); }},
    };
    return readers;
}

std::string GameName(const TDataKind& kind) {
    return "Data/" + std::string(kind.fileName);
}

bool GameAccepts(const TDataKind& kind, const TBytes& bytes) {
    TDataReader reader(GameName(kind), bytes);
    try {
        GameReaders().at(kind.fileName)(reader);
        return true;
    } catch (const TGameError&) {
        return false;
    }
}

// What the sources say, leaving out their notes.
std::string Said(const TSourceTexts& texts) {
    std::string all;
    for (const auto& text : texts) {
        all += "--- " + text.relName + "\n" + text.text + "\n";
    }
    return all;
}

// The sources of the bytes, built again into a data file.
TBytes Rebuilt(const TDataKind& kind, const TSourceTexts& texts, const fs::path& folder) {
    fs::remove_all(folder);
    for (const auto& text : texts) {
        fs::create_directories((folder / text.relName).parent_path());
        std::ofstream(folder / text.relName, std::ios::binary) << text.Written();
    }
    TDataWriter writer;
    kind.build(ReadContent(folder), writer);
    return writer.Bytes();
}

// Why the bytes do not dump, or do not build back into a file of which the
// game reads the same, or "" when they do.
std::string DumpFailure(const TDataKind& kind, const TBytes& bytes, const fs::path& folder) {
    try {
        TDataReader reader(GameName(kind), bytes);
        const auto texts = kind.dump(reader);
        TDataReader again(GameName(kind), Rebuilt(kind, texts, folder));
        if (Said(kind.dump(again)) != Said(texts)) {
            return "the rebuilt file reads otherwise";
        }
        return {};
    } catch (const TSourceError& e) {
        return e.Where().ToString() + ": " + e.Message();
    } catch (const std::exception& e) {
        return e.what();
    }
}

TBytes FileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The test content's files with one byte changed at a time, and with bytes
// added at the end.
std::vector<TBytes> Variants(const TBytes& original) {
    std::vector<TBytes> variants;
    for (size_t i = 0; i < original.size(); ++i) {
        for (const std::uint8_t value : {std::uint8_t{0}, std::uint8_t{0x80}, std::uint8_t{0xFF},
                                         static_cast<std::uint8_t>(original[i] ^ 1)}) {
            if (value != original[i]) {
                variants.push_back(original);
                variants.back()[i] = value;
            }
        }
    }
    for (size_t extra = 1; extra <= 100; ++extra) {
        variants.push_back(original);
        variants.back().resize(original.size() + extra, 0x41);
    }
    return variants;
}

TEST(DatatoolDump, EveryFileTheGameReadsDumps) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    for (const auto& kind : DataKinds()) {
        size_t failures = 0;
        std::string first;
        for (const auto& bytes : Variants(FileBytes(folder.Path() / "Data" / kind.fileName))) {
            if (!GameAccepts(kind, bytes)) {
                continue;
            }
            if (const auto failure = DumpFailure(kind, bytes, folder.Path() / "dump");
                !failure.empty()) {
                first = first.empty() ? failure : first;
                ++failures;
            }
        }
        EXPECT_EQ(failures, 0u) << kind.fileName << ", for example: " << first;
    }
}

TEST(DatatoolDump, WhatTheGameIgnoresIsNoted) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    const auto data = folder.Path() / "Data";
    std::ofstream(data / "ObjeData", std::ios::binary | std::ios::app) << std::string(17, 'x');
    auto items = FileBytes(data / "ItemData");
    items[2 + PropNameSize + 40] = 'z'; // behind the end of key 2's name
    std::ofstream(data / "ItemData", std::ios::binary | std::ios::trunc)
        << std::string(items.begin(), items.end());
    std::string output;
    ASSERT_EQ(RunTool({"dump", (data / "ObjeData").string()}, output), 0) << output;
    EXPECT_TRUE(output.starts_with("# the game ignores the last 17 bytes of the file\n")) << output;
    ASSERT_EQ(RunTool({"dump", (data / "ItemData").string(), "--into", "src"}, output), 0);
    EXPECT_EQ(output, "items.yaml: note: key 2: the game ignores the bytes after the end of "
                      "the name\n");
}

TEST(DatatoolDump, TextsUtf8CannotHoldExactlyAreKeptAsBytes) {
    TTempFolder folder;
    InstallTestContent(folder.Path());
    const auto enemies = folder.Path() / "Data" / "EnemyData";
    auto bytes = FileBytes(enemies);
    // The first enemy's name "スライム" loses its last byte: no Shift-JIS any more.
    const auto sjis = Utf8ToSjis("スライム");
    const TBytes name(sjis.begin(), sjis.end());
    const auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    at[static_cast<std::ptrdiff_t>(name.size()) - 1] = 0x7F;
    std::ofstream(enemies, std::ios::binary | std::ios::trunc)
        << std::string(bytes.begin(), bytes.end());
    std::string output;
    ASSERT_EQ(RunTool({"dump", enemies.string()}, output), 0) << output;
    EXPECT_NE(output.find("!sjis \"83 58 83 89 83 43 83 7f\""), std::string::npos) << output;
}

} // namespace
