#pragma once

#include "village/Talkdata.h"

#include <cstdint>
#include <vector>

// A person's talks and the number of the one to give next; talk number k is
// the k-th talk, counted from 1.
class TTalkDepot {
public:
    explicit TTalkDepot(std::vector<TTalkData> personTalks);

    // A number that names no talk raises TGameError.
    const TTalkData& CurrentTalk() const { return GetTalk(current); }
    // The current talk may name the one to give next time.
    void Advance();
    const TTalkData& GetTalk(std::uint32_t number) const;
    void SetTalkNo(std::uint32_t number) { current = number; }
    std::uint32_t GetTalkNo() const { return current; }
    std::size_t TalkCount() const { return talks.size(); }

private:
    std::vector<TTalkData> talks;
    std::uint32_t current = 1;
};
