#include "save/Savecheck.h"

#include "platform/SjisText.h"
#include "save/Savedungeon.h"
#include "save/Savetown.h"
#include "world/DataFile.h"

#include <algorithm>
#include <string>

namespace {

std::string Number(std::size_t value) {
    return std::to_string(value);
}

// A grid of width × height blocks, and what it is called in messages.
struct TGridSize {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::string sjisName;
};

template <typename TRecord>
void RequireOnGrid(const TRecord& record, const TGridSize& grid, const std::string& sjisWho,
                   const TDataReader& reader) {
    if (record.x < 0 || record.y < 0 || record.x >= grid.width || record.y >= grid.height) {
        reader.FailContent(sjisWho + Sjis(" の位置 (") + std::to_string(record.x) + ", " +
                           std::to_string(record.y) + Sjis(") は") + grid.sjisName +
                           Sjis(" の外です"));
    }
}

template <typename TList>
void RequireListOnGrid(const TList& records, const TGridSize& grid, const char* sjisWhat,
                       const TDataReader& reader) {
    std::size_t index = 0;
    for (const auto& record : records) {
        RequireOnGrid(record, grid,
                      grid.sjisName + " " + Number(++index) + Sjis(" 番目の") + Sjis(sjisWhat),
                      reader);
    }
}

void CheckFloarFits(const TSaveFloar& floar, const TFloarData& data, const TGridSize& grid,
                    const TDataReader& reader) {
    RequireListOnGrid(floar.enemies, grid, "敵", reader);
    RequireListOnGrid(floar.onOffs, grid, "扉とスイッチ", reader);
    RequireListOnGrid(floar.items, grid, "アイテム", reader);
    RequireListOnGrid(floar.acts, grid, "妖精とフォース", reader);
    RequireListOnGrid(floar.boxes, grid, "宝箱", reader);
    RequireListOnGrid(floar.tiles, grid, "床スイッチ", reader);
    const auto switches = static_cast<std::size_t>(
        std::count_if(data.floarActers.begin(), data.floarActers.end(),
                      [](const TBlockFloar& acter) { return acter.kind == BF_FloarSwitch; }));
    if (floar.tiles.size() != switches) {
        reader.FailContent(grid.sjisName + Sjis(" の床スイッチの記録が ") +
                           Number(floar.tiles.size()) + Sjis(" 件ですが、データには ") +
                           Number(switches) + Sjis(" 個あります"));
    }
}

} // namespace

void CheckDungeonSaveFits(const TSaveDungeon& save, const TDungeonData& stages,
                          const TDataReader& reader) {
    if (save.number >= stages.size()) {
        reader.FailContent(Sjis("ダンジョン番号 ") + Number(save.number) +
                           Sjis(" のステージはありません (") + Number(stages.size()) +
                           Sjis(" ステージです)"));
    }
    const TStageData& stage = stages[save.number];
    if (save.floars.size() != stage.floars.size()) {
        reader.FailContent(Sjis("ダンジョン番号 ") + Number(save.number) + Sjis(" のフロア数 ") +
                           Number(save.floars.size()) + Sjis(" がデータの ") +
                           Number(stage.floars.size()) + Sjis(" と違います"));
    }
    for (std::size_t i = 0; i < save.floars.size(); ++i) {
        const TFloarData& data = stage.floars[i];
        const TGridSize grid{data.width, data.height, Sjis("フロア ") + Number(i + 1)};
        CheckFloarFits(save.floars[i], data, grid, reader);
        if (save.hero.floar == i + 1) {
            RequireOnGrid(save.hero, grid, Sjis("主人公"), reader);
        }
    }
}

void CheckTownSaveFits(const TSaveTown& save, const TTownData& areas,
                       const std::function<bool(std::uint32_t personNo)>& personExists,
                       const TDataReader& reader) {
    if (save.area >= areas.size()) {
        reader.FailContent(Sjis("村のエリア ") + Number(save.area) + Sjis(" はありません (") +
                           Number(areas.size()) + Sjis(" エリアです)"));
    }
    const TFieldData& area = areas[save.area];
    const TGridSize grid{area.width, area.height, Sjis("村のエリア ") + Number(save.area)};
    RequireOnGrid(save.hero, grid, Sjis("主人公"), reader);
    RequireListOnGrid(save.people, grid, "人物", reader);
    for (const TSaveAct& person : save.people) {
        if (!personExists(person.subValue)) {
            reader.FailContent(Sjis("人物 ") + Number(person.subValue) + Sjis(" は村にいません"));
        }
    }
}
