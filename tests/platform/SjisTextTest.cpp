#include "platform/SjisText.h"

#include "platform/GameError.h"

#include <gtest/gtest.h>

namespace {

struct TRoundTrip {
    const char* utf8;
    std::string sjis;
};

// Full-width, half-width katakana, NEC row 13, and the two names whose second
// byte is the byte of "\".
const TRoundTrip RoundTrips[] = {
    {"ＭＳ Ｐゴシック", "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e"},
    {"ｱｲｳ", "\xb1\xb2\xb3"},
    {"①", "\x87\x40"},
    {"ソ表", "\x83\x5c\x95\x5c"},
    {"～－", "\x81\x60\x81\x7c"},
    {"abc\\", "abc\\"},
};

TEST(SjisText, ConvertsEveryKindOfCharacterBothWays) {
    for (const auto& c : RoundTrips) {
        const std::string utf8(c.utf8);
        EXPECT_EQ(Utf8ToSjis(utf8), c.sjis) << utf8;
        EXPECT_EQ(SjisToUtf8(c.sjis), utf8) << utf8;
    }
}

TEST(SjisText, SourceLiteralsBecomeShiftJis) {
    EXPECT_EQ(std::string(Sjis("ソ")), std::string("\x83\x5c"));
}

TEST(SjisText, InvalidBytesRaise) {
    EXPECT_THROW(SjisToUtf8("\x81"), TGameError);
    EXPECT_THROW(Utf8ToSjis("\xff\xfe"), TGameError);
}

} // namespace
