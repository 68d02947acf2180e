#include "village/Talk.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <string>

TTalkDepot::TTalkDepot(std::vector<TTalkData> personTalks) : talks(std::move(personTalks)) {}

void TTalkDepot::Advance() {
    if (const std::uint8_t next = CurrentTalk().nextTalk; next != 0) {
        current = next;
    }
}

const TTalkData& TTalkDepot::GetTalk(std::uint32_t number) const {
    if (number < 1 || number > talks.size()) {
        throw TGameError(Sjis("話 ") + std::to_string(number) + Sjis(" がありません"));
    }
    return talks[number - 1];
}
