#include "scene/Grphdata.h"

#include "platform/SjisText.h"

namespace {

// Number, an empty model name and six empty swap lists.
constexpr size_t SmallestGrphFile = 4 + 1 + TGrphFile::SwapListCount * 4;

} // namespace

std::vector<TGrphFile> ReadGrphData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32("graphics count");
    reader.RequireRecords(count, SmallestGrphFile, "graphics records");
    std::vector<TGrphFile> records(count);
    for (size_t i = 0; i < count; ++i) {
        reader.SetContext(Sjis("画像 ") + std::to_string(i + 1));
        TGrphFile& record = records[i];
        record.grphNo = reader.ReadU32("graphics number");
        record.modelName = reader.ReadShortString("model name");
        for (std::string& swapList : record.swapLists) {
            swapList = reader.ReadLongString("swap list");
        }
    }
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
