#include "world/Mycpp.h"

#include <gtest/gtest.h>

namespace {

TEST(Mycpp, StrReplaceAll) {
    EXPECT_EQ(StrReplaceAll("a_b_c", "_", "-"), "a-b-c");
    EXPECT_EQ(StrReplaceAll("abc", "_", "-"), "abc");
    EXPECT_THROW(StrReplaceAll("a_b", "_", "__"), std::invalid_argument);
}

TEST(Mycpp, ReplaceToCRLFMakesAStringList) {
    std::string text = "x_y";
    ReplaceToCRLF(text, "_");
    EXPECT_EQ(text, "x\r\ny");
    EXPECT_EQ(SplitLines(text), (std::vector<std::string>{"x", "y"}));
}

TEST(Mycpp, SplitLinesAtEveryKindOfBreak) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb\n\nc"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("a\n\r"), (Lines{"a", ""}));
    EXPECT_EQ(SplitLines("\n"), (Lines{""}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(Mycpp, TrimBlanksAndWholeNumbers) {
    EXPECT_EQ(TrimBlanks(" \t a b\r "), "a b");
    EXPECT_EQ(TrimBlanks("  "), "");
    EXPECT_EQ(WholeNumber<int>("-12"), -12);
    EXPECT_EQ(WholeNumber<float>("0.5"), 0.5f);
    for (const char* bad : {"", "1x", "+1", " 1", "99999999999"}) {
        EXPECT_FALSE(WholeNumber<int>(bad).has_value()) << bad;
    }
}

TEST(Mycpp, CenterOnScreenSitsAboveTheMiddle) {
    const auto place = CenterOnScreen(1024, 768, 400, 300);
    EXPECT_EQ(place.left, 312);
    EXPECT_EQ(place.top, 156);
}

} // namespace
