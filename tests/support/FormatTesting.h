#pragma once

#include "world/DataFile.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

// The message of the TGameError the call raises, or "" when it raises none.
std::string GameErrorOf(const std::function<void()>& call);

// A reader over hand-made bytes, as if they were the data file `fileName`.
TDataReader ReaderOf(std::string_view fileName, std::vector<std::uint8_t> bytes);

// Little-endian bytes of a hand-made data file, to pin a layout down.
class TBytes {
public:
    TBytes& U8(std::uint8_t value);
    TBytes& U16(std::uint16_t value);
    TBytes& I32(std::int32_t value);
    TBytes& Text(std::string_view text);
    TBytes& Repeat(std::uint8_t value, size_t count);
    const std::vector<std::uint8_t>& Bytes() const { return bytes; }

private:
    std::vector<std::uint8_t> bytes;
};

// The bytes a writer function produces for a value.
template <typename TValue>
std::vector<std::uint8_t> BytesOf(void (*write)(TDataWriter&, const TValue&), const TValue& value) {
    TDataWriter writer;
    write(writer, value);
    return writer.Bytes();
}

// Writes `value`, reads the bytes back as file `fileName` and expects the value
// again, and writing what was read to give the very same bytes.
template <typename TValue, typename TRead>
void ExpectByteIdenticalRoundTrip(void (*write)(TDataWriter&, const TValue&), TRead read,
                                  const TValue& value, const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = BytesOf(write, value);
    TDataReader reader(fileName, bytes);
    const TValue readBack = read(reader);
    EXPECT_EQ(readBack, value);
    EXPECT_EQ(BytesOf(write, readBack), bytes);
}

// Reads every proper prefix of `bytes` as file `fileName`, and the bytes with
// one byte too many, and expects each read to raise a TGameError naming the
// file; a crash or any other exception fails the test.
void ExpectEveryPrefixRefused(const std::vector<std::uint8_t>& bytes, const std::string& fileName,
                              const std::function<void(TDataReader&)>& read);
