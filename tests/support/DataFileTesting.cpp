#include "support/DataFileTesting.h"

#include "platform/GameError.h"

#include <gtest/gtest.h>

std::string ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const TGameError& e) {
        return e.what();
    }
    return {};
}

TDataReader TestReader(std::vector<std::uint8_t> bytes) {
    return TDataReader(TestFileName, std::move(bytes));
}

void ExpectEveryPrefixRefused(const std::vector<std::uint8_t>& bytes,
                              const std::function<void(TDataReader&)>& read) {
    {
        auto whole = TestReader(bytes);
        ASSERT_EQ(ErrorOf([&] { read(whole); }), "") << "the full file must read";
    }
    for (size_t length = 0; length < bytes.size(); ++length) {
        auto reader = TestReader({bytes.begin(), bytes.begin() + static_cast<long>(length)});
        const auto error = ErrorOf([&] { read(reader); });
        EXPECT_NE(error.find(TestFileName), std::string::npos)
            << "prefix of " << length << " of " << bytes.size() << " bytes: \"" << error << "\"";
    }
}
