#include "scene/Objedata.h"

std::vector<TObjePlan> ReadObjeData(TDataReader& reader) {
    return reader.ReadRecords<TObjePlan>(reader.Remaining() / sizeof(TObjePlan), "object plans");
}

void WriteObjeData(TDataWriter& writer, const std::vector<TObjePlan>& plans) {
    writer.WriteRecords(plans);
}
