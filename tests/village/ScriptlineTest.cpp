#include "village/Scriptline.h"

#include <gtest/gtest.h>

namespace {

TEST(Scriptline, LinesSplitIntoCommandAndArguments) {
    const auto lines = SplitScript("TalkChange_1_2\r\nDungInfo_3\n\nA__B\rEnd_");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].command, "TalkChange");
    EXPECT_EQ(lines[0].arguments, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(lines[1].arguments, (std::vector<std::string>{"3"}));
    EXPECT_EQ(lines[2].command, "");
    EXPECT_TRUE(lines[2].arguments.empty());
    EXPECT_EQ(lines[3].arguments, (std::vector<std::string>{"", "B"})) << "empty tokens stay";
    EXPECT_EQ(lines[4].command, "End");
    EXPECT_TRUE(lines[4].arguments.empty()) << "a final separator adds no token";
    EXPECT_TRUE(SplitScript("").empty());
}

TEST(Scriptline, NumbersAreDecimalAndNothingElse) {
    struct TCase {
        const char* token;
        std::optional<std::int32_t> value;
    };
    for (const auto& c : std::vector<TCase>{{"3", 3},
                                            {"-2", -2},
                                            {"007", 7},
                                            {"2147483647", 2147483647},
                                            {"", std::nullopt},
                                            {"+1", std::nullopt},
                                            {"1a", std::nullopt},
                                            {" 1", std::nullopt},
                                            {"0x10", std::nullopt},
                                            {"2147483648", std::nullopt}}) {
        EXPECT_EQ(ScriptNumber(c.token), c.value) << '"' << c.token << '"';
    }
}

} // namespace
