#include "world/Towndata.h"

#include "platform/SjisText.h"
#include "world/DataFile.h"
#include "world/MapGrid.h"
#include "world/NamedRecords.h"
#include "world/TowndataCheck.h"

namespace {

// Smallest area record: four u16 values and one block.
constexpr size_t FieldMinimumSize = 4 * 2 + sizeof(TTownBlockFile);

TFieldData ReadField(TDataReader& reader) {
    TFieldData field;
    field.width = reader.ReadU16(Sjis("幅"));
    field.height = reader.ReadU16(Sjis("高さ"));
    const size_t objectCount = reader.ReadU16(Sjis("物体数"));
    const size_t floarActerCount = reader.ReadU16(Sjis("床アクター数"));
    field.grid = ReadGrid<TTownBlockFile>(reader, field.width, field.height);
    field.objects = reader.ReadRecords<TBlockObje>(objectCount, Sjis("物体"));
    field.floarActers = reader.ReadRecords<TBlockFloar>(floarActerCount, Sjis("床アクター"));
    return field;
}

} // namespace

TTownData ReadTownData(TDataReader& reader) {
    const size_t areaCount = reader.ReadU8(Sjis("エリア数"));
    TTownData areas = ReadNamedRecords(
        reader, areaCount, FieldMinimumSize, Sjis("エリア"),
        [](size_t i) { return Sjis("エリア ") + std::to_string(i); },
        [&] { return ReadField(reader); });
    reader.SetContext({});
    reader.RequireEnd();
    if (const auto problems = FindTownProblems(areas); !problems.empty()) {
        reader.FailContent(problems.front().message);
    }
    return areas;
}

TTownData LoadTownData(std::string_view sjisName) {
    auto reader = TDataReader::FromFile(sjisName);
    return ReadTownData(reader);
}

void WriteTownData(TDataWriter& writer, const TTownData& areas) {
    writer.WriteCountU8(areas.size(), Sjis("エリア"));
    for (const auto& field : areas) {
        writer.WriteU16(field.width);
        writer.WriteU16(field.height);
        writer.WriteCountU16(field.objects.size(), Sjis("物体"));
        writer.WriteCountU16(field.floarActers.size(), Sjis("床アクター"));
        WriteGrid(writer, field.grid, field.width, field.height);
        writer.WriteRecords(field.objects);
        writer.WriteRecords(field.floarActers);
    }
}
