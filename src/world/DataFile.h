#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Reads a data file from memory: little-endian numbers, short strings (u8
// length) and long strings (i32 length) cut at a NUL, and packed-record arrays
// in one piece. Every read past the end, and every count that cannot fit in
// what is left, raises TGameError naming the file and what was being read.
class TDataReader {
public:
    // Reads the whole file (Shift-JIS name, relative to the current folder).
    static TDataReader FromFile(std::string_view sjisName);
    TDataReader(std::string sjisName, std::vector<std::uint8_t> bytes);

    std::uint8_t ReadU8(const char* what);
    std::uint16_t ReadU16(const char* what);
    std::int16_t ReadI16(const char* what);
    std::int32_t ReadI32(const char* what);
    std::uint32_t ReadU32(const char* what);
    float ReadF32(const char* what);
    std::string ReadShortString(const char* what);
    std::string ReadLongString(const char* what);
    void ReadBytes(void* target, size_t size, const char* what);

    // `count` packed records of T, read in one piece. The count is checked
    // against the bytes left before anything is allocated.
    template <typename T> std::vector<T> ReadRecords(size_t count, const char* what) {
        static_assert(std::is_trivially_copyable_v<T>);
        RequireRecords(count, sizeof(T), what);
        std::vector<T> records(count);
        if (count > 0) {
            ReadBytes(records.data(), count * sizeof(T), what);
        }
        return records;
    }

    // Raises unless at least count records of the given minimum size can
    // still follow; guards vectors of variable-size records.
    void RequireRecords(size_t count, size_t minimumRecordSize, const char* what) const;

    size_t Position() const { return position; }
    size_t Remaining() const { return bytes.size() - position; }
    bool AtEnd() const { return position == bytes.size(); }
    const std::string& FileName() const { return fileName; }
    [[noreturn]] void Fail(const std::string& sjisProblem) const;

private:
    std::string fileName;
    std::vector<std::uint8_t> bytes;
    size_t position = 0;
};

// The writing side of the same rules, byte-exact with TDataReader.
class TDataWriter {
public:
    void WriteU8(std::uint8_t value) { bytes.push_back(value); }
    void WriteU16(std::uint16_t value);
    void WriteI16(std::int16_t value) { WriteU16(static_cast<std::uint16_t>(value)); }
    void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
    void WriteU32(std::uint32_t value);
    void WriteF32(float value);
    // Raise TGameError when the text is too long for its length field.
    void WriteShortString(const std::string& text);
    void WriteLongString(const std::string& text);
    void WriteBytes(const void* source, size_t size);

    template <typename T> void WriteRecords(const std::vector<T>& records) {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!records.empty()) {
            WriteBytes(records.data(), records.size() * sizeof(T));
        }
    }

    const std::vector<std::uint8_t>& Bytes() const { return bytes; }
    void SaveTo(std::string_view sjisName) const;

private:
    std::vector<std::uint8_t> bytes;
};

// "ファイルが見つかりません " with the file name, when a plan file is missing.
void RequireDataFileExists(std::string_view sjisName);
