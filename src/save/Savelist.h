#pragma once

#include "actors/Acterrecord.h"
#include "platform/SjisText.h"
#include "save/Saverecords.h"
#include "world/DataFile.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <list>
#include <string>
#include <string_view>

// The records of one kind on a floor or in the village. Actors hold pointers
// to their records, so adding or removing one must never move the others.
template <typename TRecord> using TSaveList = std::list<TRecord>;

// `count` records; the count is checked against the bytes left first. A
// record that `valid` refuses means the stream is not what it claims to be.
template <typename TRecord, typename TValid>
TSaveList<TRecord> ReadSaveList(TDataReader& reader, size_t count, std::string_view what,
                                TValid valid) {
    const auto records = reader.ReadRecords<TRecord>(count, what);
    for (size_t i = 0; i < records.size(); ++i) {
        if (!valid(records[i])) {
            reader.FailContent(std::string(what) + " " + std::to_string(i + 1) +
                               Sjis(" 件目の種類が正しくありません"));
        }
    }
    return {records.begin(), records.end()};
}

template <typename TRecord>
void WriteSaveList(TDataWriter& writer, const TSaveList<TRecord>& records) {
    for (const auto& record : records) {
        writer.WriteBytes(&record, sizeof record);
    }
}

template <typename TRecord> TRecord ReadSaveRecord(TDataReader& reader, std::string_view what) {
    TRecord record;
    reader.ReadBytes(&record, sizeof record, what);
    return record;
}

// Removes every record whose identity equals that of `identity`, which may
// itself be one of the records; returns how many went.
template <typename TRecord>
size_t RemoveByIdentity(TSaveList<TRecord>& records, const std::uint8_t* identity) {
    // A copy: the record compared against may be among those removed.
    std::array<std::uint8_t, RecordIdentityEnd> wanted{};
    std::memcpy(wanted.data(), identity, wanted.size());
    return records.remove_if(
        [&](const TRecord& record) { return SameIdentity(RecordBytes(record), wanted.data()); });
}
