#include "anim/Acterplan.h"

#include "platform/SjisText.h"
#include "world/Mycpp.h"
#include "world/NamedRecords.h"

namespace {

// Number, object number, an empty motion list and the variant.
constexpr size_t SmallestActerFile = 4 + 4 + 4 + 1;

} // namespace

std::vector<TActerFile> ReadActerData(TDataReader& reader) {
    const size_t count = reader.ReadCountI32("acter count");
    std::vector<TActerFile> records = ReadNamedRecords(
        reader, count, SmallestActerFile, "acter records",
        [](size_t i) { return Sjis("アクター ") + std::to_string(i + 1); },
        [&] {
            TActerFile record;
            record.acterNo = reader.ReadU32("acter number");
            record.objeNo = reader.ReadI32("object number");
            record.motionList = reader.ReadLongString("motion list");
            record.variant = reader.ReadU8("variant");
            return record;
        });
    reader.SetContext({});
    reader.RequireEnd();
    return records;
}

void WriteActerData(TDataWriter& writer, const std::vector<TActerFile>& records) {
    writer.WriteCountI32(records.size(), "acter count");
    for (const TActerFile& record : records) {
        writer.WriteU32(record.acterNo);
        writer.WriteI32(record.objeNo);
        writer.WriteLongString(record.motionList);
        writer.WriteU8(record.variant);
    }
}

std::vector<std::uint32_t> MotionNumbersOf(const std::string& motionList) {
    std::string items = motionList;
    ReplaceToCRLF(items, ",");
    std::vector<std::uint32_t> numbers;
    for (const std::string& item : SplitLines(items)) {
        numbers.push_back(WholeNumber<std::uint32_t>(TrimBlanks(item)).value_or(0));
    }
    return numbers;
}
