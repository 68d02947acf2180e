#pragma once

#include "world/DataFile.h"

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// `count` variable-size records read one after another, record i while the
// reader's context is nameOf(i), so every error names the record. readOne
// reads one record; it may take that name when it names inner records by it.
// The count is checked against the bytes left before anything is allocated;
// the context after the last record is the caller's to set.
template <typename TNameOf, typename TReadOne>
auto ReadNamedRecords(TDataReader& reader, size_t count, size_t minimumRecordSize,
                      std::string_view what, TNameOf nameOf, TReadOne readOne) {
    constexpr bool takesName = std::is_invocable_v<TReadOne&, const std::string&>;
    using TRecord =
        typename std::conditional_t<takesName, std::invoke_result<TReadOne&, const std::string&>,
                                    std::invoke_result<TReadOne&>>::type;
    reader.RequireRecords(count, minimumRecordSize, what);
    std::vector<TRecord> records(count);
    for (size_t i = 0; i < count; ++i) {
        const std::string name = nameOf(i);
        reader.SetContext(name);
        if constexpr (takesName) {
            records[i] = readOne(name);
        } else {
            records[i] = readOne();
        }
    }
    return records;
}
