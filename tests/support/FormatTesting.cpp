#include "support/FormatTesting.h"

#include "platform/GameError.h"

#include <gtest/gtest.h>

std::string GameErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const TGameError& e) {
        return e.what();
    }
    return {};
}

TDataReader ReaderOf(std::string_view fileName, std::vector<std::uint8_t> bytes) {
    return TDataReader(std::string(fileName), std::move(bytes));
}

TBytes& TBytes::U8(std::uint8_t value) {
    bytes.push_back(value);
    return *this;
}

TBytes& TBytes::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value & 0xff));
    return U8(static_cast<std::uint8_t>(value >> 8));
}

TBytes& TBytes::I32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    U16(static_cast<std::uint16_t>(bits & 0xffff));
    return U16(static_cast<std::uint16_t>(bits >> 16));
}

TBytes& TBytes::Text(std::string_view text) {
    bytes.insert(bytes.end(), text.begin(), text.end());
    return *this;
}

TBytes& TBytes::Repeat(std::uint8_t value, size_t count) {
    bytes.insert(bytes.end(), count, value);
    return *this;
}

void ExpectEveryPrefixRefused(const std::vector<std::uint8_t>& bytes, const std::string& fileName,
                              const std::function<void(TDataReader&)>& read) {
    auto expectRefused = [&](std::vector<std::uint8_t> content, const std::string& label) {
        TDataReader reader(fileName, std::move(content));
        const auto message = GameErrorOf([&] { read(reader); });
        EXPECT_NE(message.find(fileName), std::string::npos) << label << ": " << message;
    };
    for (size_t length = 0; length < bytes.size(); ++length) {
        expectRefused({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)},
                      "prefix of " + std::to_string(length) + " bytes");
    }
    auto longer = bytes;
    longer.push_back(0);
    expectRefused(longer, "one trailing byte");
}
