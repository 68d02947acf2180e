#pragma once

#include "SourceError.h"

#include <vector>

// Where a list of records stands in the sources: the list itself and each of
// its records, in record order.
struct TListMarks {
    TSourceLocation where;
    std::vector<TSourceLocation> records;
};
