#include "world/Savemapping.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/DataFile.h"

#include <algorithm>
#include <string>
#include <utility>

TFloarClear::TFloarClear(std::uint16_t floarWidth, std::uint16_t floarHeight)
    : width(floarWidth), height(floarHeight),
      rows(floarHeight, std::vector<std::uint8_t>(floarWidth, 0)) {}

bool TFloarClear::IsSeen(int x, int y) const {
    return Contains(x, y) && rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] != 0;
}

void TFloarClear::MarkSeen(int x, int y) {
    if (Contains(x, y)) {
        rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = 1;
    }
}

int TFloarClear::SeenCount() const {
    int count = 0;
    for (const std::vector<std::uint8_t>& row : rows) {
        count += static_cast<int>(std::count(row.begin(), row.end(), 1));
    }
    return count;
}

void TFloarClear::Clear() {
    for (std::vector<std::uint8_t>& row : rows) {
        std::fill(row.begin(), row.end(), 0);
    }
}

TSaveMapping::TSaveMapping(const TDungeonData& dungeons) {
    for (const TStageData& stage : dungeons) {
        TStageClear& clear = stages.emplace_back();
        for (const TFloarData& floar : stage.floars) {
            clear.floars.emplace_back(floar.width, floar.height);
        }
    }
}

TFloarClear& TSaveMapping::Floar(int stage, int floar) {
    return const_cast<TFloarClear&>(std::as_const(*this).Floar(stage, floar));
}

const TFloarClear& TSaveMapping::Floar(int stage, int floar) const {
    if (stage < 0 || static_cast<std::size_t>(stage) >= stages.size() || floar < 0 ||
        static_cast<std::size_t>(floar) >= stages[static_cast<std::size_t>(stage)].floars.size()) {
        throw TGameError(Sjis("オートマップにないフロアです ステージ ") +
                         std::to_string(stage + 1) + Sjis(" フロア ") + std::to_string(floar + 1));
    }
    return stages[static_cast<std::size_t>(stage)].floars[static_cast<std::size_t>(floar)];
}

void TSaveMapping::ResetSeen() {
    for (TStageClear& stage : stages) {
        for (TFloarClear& floar : stage.floars) {
            floar.Clear();
        }
    }
}

void TSaveMapping::WriteSeen(TDataWriter& writer) const {
    writer.WriteCountU8(stages.size(), Sjis("オートマップのステージ"));
    for (const TStageClear& stage : stages) {
        writer.WriteCountU8(stage.floars.size(), Sjis("オートマップのフロア"));
        for (const TFloarClear& floar : stage.floars) {
            writer.WriteU16(floar.width);
            writer.WriteU16(floar.height);
            for (const std::vector<std::uint8_t>& row : floar.rows) {
                writer.WriteBytes(row.data(), row.size());
            }
        }
    }
}

namespace {

void RequireSame(TDataReader& reader, std::size_t read, std::size_t expected,
                 const char* utf8What) {
    if (read != expected) {
        reader.Fail(Sjis("オートマップの") + Sjis(utf8What) + " " + std::to_string(read) +
                    Sjis(" がゲームのデータの ") + std::to_string(expected) + Sjis(" と違います"));
    }
}

} // namespace

TSaveMapping TSaveMapping::ReadChecked(TDataReader& reader) const {
    TSaveMapping read;
    RequireSame(reader, reader.ReadU8(Sjis("オートマップのステージ数")), stages.size(),
                "ステージ数");
    for (const TStageClear& stage : stages) {
        TStageClear& readStage = read.stages.emplace_back();
        RequireSame(reader, reader.ReadU8(Sjis("オートマップのフロア数")), stage.floars.size(),
                    "フロア数");
        for (const TFloarClear& floar : stage.floars) {
            const std::uint16_t width = reader.ReadU16(Sjis("オートマップの幅"));
            RequireSame(reader, width, floar.width, "幅");
            const std::uint16_t height = reader.ReadU16(Sjis("オートマップの高さ"));
            RequireSame(reader, height, floar.height, "高さ");
            TFloarClear& readFloar = readStage.floars.emplace_back(width, height);
            for (std::vector<std::uint8_t>& row : readFloar.rows) {
                reader.ReadBytes(row.data(), row.size(), Sjis("オートマップの升目"));
                for (const std::uint8_t cell : row) {
                    if (cell > 1) {
                        reader.Fail(Sjis("オートマップの升目の値 ") + std::to_string(cell) +
                                    Sjis(" は 0 でも 1 でもありません"));
                    }
                }
            }
        }
    }
    return read;
}

void TSaveMapping::ReadSeen(TDataReader& reader) {
    *this = ReadChecked(reader);
}
