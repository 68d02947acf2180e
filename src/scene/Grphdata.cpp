#include "scene/Grphdata.h"

#include "platform/SjisText.h"
#include "world/NamedRecords.h"

namespace {

// Number, an empty model name and six empty swap lists.
constexpr size_t SmallestGrphFile = 4 + 1 + TGrphFile::SwapListCount * 4;

} // namespace

std::vector<TGrphFile> ReadGrphData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32("graphics count");
    std::vector<TGrphFile> records = ReadNamedRecords(
        reader, count, SmallestGrphFile, "graphics records",
        [](size_t i) { return Sjis("画像 ") + std::to_string(i + 1); },
        [&] {
            TGrphFile record;
            record.grphNo = reader.ReadU32("graphics number");
            record.modelName = reader.ReadShortString("model name");
            for (std::string& swapList : record.swapLists) {
                swapList = reader.ReadLongString("swap list");
            }
            return record;
        });
    reader.SetContext({});
    reader.RequireEnd();
    return records;
}

void WriteGrphData(TDataWriter& writer, const std::vector<TGrphFile>& records) {
    writer.WriteCountI32(records.size(), "graphics count");
    for (const TGrphFile& record : records) {
        writer.WriteU32(record.grphNo);
        writer.WriteShortString(record.modelName);
        for (const std::string& swapList : record.swapLists) {
            writer.WriteLongString(swapList);
        }
    }
}
