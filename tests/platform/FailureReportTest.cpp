#include "platform/FailureReport.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

template <typename T> std::exception_ptr Raised(T value) {
    try {
        throw value;
    } catch (...) {
        return std::current_exception();
    }
}

} // namespace

TEST(FailureReport, GameMessagesAreConvertedToUtf8) {
    EXPECT_EQ(FailureTextUtf8(Raised(TGameError(Sjis("識別を指定してステイトを得るエラー")))),
              "識別を指定してステイトを得るエラー");
    EXPECT_EQ(FailureTextUtf8(Raised(TBareText{Sjis("壁の二重設定")})), "壁の二重設定");
}

TEST(FailureReport, OtherExceptionsGiveTheirText) {
    EXPECT_EQ(FailureTextUtf8(Raised(std::runtime_error("plain"))), "plain");
    EXPECT_EQ(FailureTextUtf8(Raised(42)), "unknown exception");
}

TEST(FailureReport, TheGameShowsTheSameTextsInShiftJis) {
    EXPECT_EQ(FailureTextSjis(Raised(TGameError(Sjis("ロードエラー")))), Sjis("ロードエラー"));
    EXPECT_EQ(FailureTextSjis(Raised(TBareText{Sjis("壁の二重設定")})), Sjis("壁の二重設定"));
    EXPECT_EQ(FailureTextSjis(Raised(std::runtime_error("plain"))), "plain");
    EXPECT_EQ(FailureTextSjis(Raised(std::runtime_error("Save/セーブ"))), Sjis("Save/セーブ"));
    EXPECT_EQ(FailureTextSjis(Raised(42)), "unknown exception");
}

TEST(FailureReport, BytesThatAreNotShiftJisStillReachTheReport) {
    const std::string broken("\x81", 1);
    EXPECT_EQ(FailureTextUtf8(Raised(TGameError(broken))), broken);
}

TEST(FailureReport, WritesOneLineNamingTheLoop) {
    std::ostringstream out;
    ReportThreadFailure(Raised(TGameError(Sjis("エラー"))), out);
    EXPECT_EQ(out.str(), "tessarine: game loop stopped: エラー\n");
}
