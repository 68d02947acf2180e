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

    std::uint8_t ReadU8(std::string_view what);
    std::uint16_t ReadU16(std::string_view what);
    std::int16_t ReadI16(std::string_view what);
    std::int32_t ReadI32(std::string_view what);
    std::uint32_t ReadU32(std::string_view what);
    float ReadF32(std::string_view what);
    std::string ReadShortString(std::string_view what);
    std::string ReadLongString(std::string_view what);
    // An i32 count; a negative one is refused.
    size_t ReadCountI32(std::string_view what);
    void ReadBytes(void* target, size_t size, std::string_view what);

    // `count` packed records of T, read in one piece. The count is checked
    // against the bytes left before anything is allocated.
    template <typename T> std::vector<T> ReadRecords(size_t count, std::string_view what) {
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
    void RequireRecords(size_t count, size_t minimumRecordSize, std::string_view what) const;
    // Raises when bytes follow the last record: the counts did not cover them.
    void RequireEnd() const;

    // Names the record being read ("ステージ 2 フロア 1") in every later error.
    void SetContext(std::string sjisContext) { context = std::move(sjisContext); }

    size_t Position() const { return position; }
    size_t Remaining() const { return bytes.size() - position; }
    bool AtEnd() const { return position == bytes.size(); }
    const std::string& FileName() const { return fileName; }
    [[noreturn]] void Fail(const std::string& sjisProblem) const;
    // For a record that was read whole but cannot be what it claims; names the
    // file and the context, not a byte position.
    [[noreturn]] void FailContent(const std::string& sjisProblem) const;

private:
    std::string Where() const;

    std::string fileName;
    std::string context;
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
    // Counts in their field widths; raise TGameError when the count does not fit.
    void WriteCountU8(size_t count, std::string_view what);
    void WriteCountU16(size_t count, std::string_view what);
    void WriteCountI32(size_t count, std::string_view what);

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
