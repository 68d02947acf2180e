#pragma once

#include "world/DataFile.h"

#include <cstdint>
#include <string>
#include <vector>

// One entry of a talk's choice list, leading to another talk of the same person.
struct TChoice {
    std::string text;
    std::uint8_t target = 0; // talk number

    bool operator==(const TChoice&) const = default;
};

// One talk of a person: its message-box pages, the choices after the last
// page, the commands run when it is over, and the talk to give next time.
struct TTalkData {
    std::vector<std::string> lines; // never empty
    std::vector<TChoice> choices;
    std::string afterTalk;
    std::uint8_t nextTalk = 0; // 0: the person keeps this talk

    bool operator==(const TTalkData&) const = default;
};

// Talk records live inside the people file; a talk without lines is refused,
// as there would be nothing to show.
TTalkData ReadTalkData(TDataReader& reader);
// Raises TGameError for a talk without lines.
void WriteTalkData(TDataWriter& writer, const TTalkData& talk);

// Line count, one empty line, choice count, empty after-talk text, next talk.
inline constexpr size_t SmallestTalkData = 4 + 4 + 4 + 4 + 1;
