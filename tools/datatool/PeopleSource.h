#pragma once

#include "SourceError.h"
#include "SourceText.h"
#include "village/Peopledata.h"

#include <filesystem>
#include <optional>

// After-talk commands and event scripts are lines joined by CR LF.
inline constexpr char CommandLineBreak[] = "\r\n";

struct TTalkMarks {
    TSourceLocation where;
    std::vector<TSourceLocation> choices;
    std::vector<TSourceLocation> after; // each command line, or the whole text
    TSourceLocation next;
};

struct TPersonMarks {
    TSourceLocation where;
    std::vector<TTalkMarks> talks;
};

// SRC/people/*.yaml, one person per file, in the order of the file names:
//   number: 3
//   name: "村長"
//   acter: 80
//   talks:
//     - lines: ["ようこそ。", "どうかね?"]
//       choices: [{text: "はい", talk: 2}, {text: "いいえ", talk: 3}]
//     - lines: ["頼んだぞ。"]
//       after: ["EventTermGo_1_1"]
//       next: 3
struct TPeopleSource {
    std::vector<TPeopleImp> people;
    std::vector<TPersonMarks> marks;
};

std::optional<TPeopleSource> ReadPeopleSources(const std::filesystem::path& sourceDir);
TSourceTexts DumpPeople(const std::vector<TPeopleImp>& people);
