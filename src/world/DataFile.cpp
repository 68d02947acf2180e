#include "world/DataFile.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"

#include <algorithm>
#include <bit>

static_assert(std::endian::native == std::endian::little,
              "data files are little-endian and read as packed records");

TDataReader TDataReader::FromFile(std::string_view sjisName) {
    return TDataReader(std::string(sjisName), ReadWholeGameFile(sjisName));
}

TDataReader::TDataReader(std::string sjisName, std::vector<std::uint8_t> content)
    : fileName(std::move(sjisName)), bytes(std::move(content)) {}

std::string TDataReader::Where() const {
    return Sjis("データファイルが壊れています ") + fileName + ": " +
           (context.empty() ? std::string() : context + " ");
}

void TDataReader::Fail(const std::string& sjisProblem) const {
    throw TGameError(Where() + sjisProblem + " (" + std::to_string(position) + Sjis("バイト目)"));
}

void TDataReader::FailContent(const std::string& sjisProblem) const {
    throw TGameError(Where() + sjisProblem);
}

void TDataReader::RequireEnd() const {
    if (!AtEnd()) {
        Fail(Sjis("ファイルの終わりに余分なデータが ") + std::to_string(Remaining()) +
             Sjis(" バイトあります"));
    }
}

void TDataReader::ReadBytes(void* target, size_t size, std::string_view what) {
    if (size > Remaining()) {
        Fail(std::string(what) + Sjis(" の途中でファイルが終わっています"));
    }
    if (size == 0) {
        return; // an empty read may have no target at all
    }
    std::memcpy(target, bytes.data() + position, size);
    position += size;
}

void TDataReader::RequireRecords(size_t count, size_t minimumRecordSize,
                                 std::string_view what) const {
    if (minimumRecordSize > 0 && count > Remaining() / minimumRecordSize) {
        Fail(std::string(what) + Sjis(" の個数 ") + std::to_string(count) +
             Sjis(" がファイルの残りを超えています"));
    }
}

std::uint8_t TDataReader::ReadU8(std::string_view what) {
    std::uint8_t value = 0;
    ReadBytes(&value, 1, what);
    return value;
}

std::uint16_t TDataReader::ReadU16(std::string_view what) {
    std::uint16_t value = 0;
    ReadBytes(&value, 2, what);
    return value;
}

std::int16_t TDataReader::ReadI16(std::string_view what) {
    return static_cast<std::int16_t>(ReadU16(what));
}

std::uint32_t TDataReader::ReadU32(std::string_view what) {
    std::uint32_t value = 0;
    ReadBytes(&value, 4, what);
    return value;
}

std::int32_t TDataReader::ReadI32(std::string_view what) {
    return static_cast<std::int32_t>(ReadU32(what));
}

size_t TDataReader::ReadCountI32(std::string_view what) {
    const std::int32_t count = ReadI32(what);
    if (count < 0) {
        Fail(std::string(what) + Sjis(" が負です"));
    }
    return static_cast<size_t>(count);
}

float TDataReader::ReadF32(std::string_view what) {
    return std::bit_cast<float>(ReadU32(what));
}

namespace {

// The program's string type ends at the first NUL.
std::string CutAtNul(const std::vector<char>& raw) {
    const auto nul = std::find(raw.begin(), raw.end(), '\0');
    return std::string(raw.begin(), nul);
}

} // namespace

std::string TDataReader::ReadShortString(std::string_view what) {
    const size_t length = ReadU8(what);
    std::vector<char> raw(length);
    ReadBytes(raw.data(), length, what);
    return CutAtNul(raw);
}

std::string TDataReader::ReadLongString(std::string_view what) {
    const std::int32_t length = ReadI32(what);
    if (length < 0) {
        Fail(std::string(what) + Sjis(" の長さが負です"));
    }
    if (static_cast<size_t>(length) > Remaining()) {
        Fail(std::string(what) + Sjis(" の途中でファイルが終わっています"));
    }
    std::vector<char> raw(static_cast<size_t>(length));
    ReadBytes(raw.data(), raw.size(), what);
    return CutAtNul(raw);
}

void TDataWriter::WriteU16(std::uint16_t value) {
    WriteBytes(&value, 2);
}

void TDataWriter::WriteU32(std::uint32_t value) {
    WriteBytes(&value, 4);
}

void TDataWriter::WriteF32(float value) {
    WriteU32(std::bit_cast<std::uint32_t>(value));
}

void TDataWriter::WriteShortString(const std::string& text) {
    if (text.size() > 255) {
        throw TGameError(Sjis("文字列が長すぎます (255バイトまで): ") + text.substr(0, 40));
    }
    WriteU8(static_cast<std::uint8_t>(text.size()));
    WriteBytes(text.data(), text.size());
}

void TDataWriter::WriteLongString(const std::string& text) {
    if (text.size() > static_cast<size_t>(INT32_MAX)) {
        throw TGameError(Sjis("文字列が長すぎます"));
    }
    WriteI32(static_cast<std::int32_t>(text.size()));
    WriteBytes(text.data(), text.size());
}

namespace {

void RequireCountFits(size_t count, size_t maximum, std::string_view what) {
    if (count > maximum) {
        throw TGameError(std::string(what) + Sjis(" の個数 ") + std::to_string(count) +
                         Sjis(" が多すぎます (") + std::to_string(maximum) + Sjis("まで)"));
    }
}

} // namespace

void TDataWriter::WriteCountU8(size_t count, std::string_view what) {
    RequireCountFits(count, UINT8_MAX, what);
    WriteU8(static_cast<std::uint8_t>(count));
}

void TDataWriter::WriteCountU16(size_t count, std::string_view what) {
    RequireCountFits(count, UINT16_MAX, what);
    WriteU16(static_cast<std::uint16_t>(count));
}

void TDataWriter::WriteCountI32(size_t count, std::string_view what) {
    RequireCountFits(count, INT32_MAX, what);
    WriteI32(static_cast<std::int32_t>(count));
}

void TDataWriter::WriteBytes(const void* source, size_t size) {
    const auto* begin = static_cast<const std::uint8_t*>(source);
    bytes.insert(bytes.end(), begin, begin + size);
}

void TDataWriter::SaveTo(std::string_view sjisName) const {
    WriteWholeGameFile(sjisName, bytes);
}

void RequireDataFileExists(std::string_view sjisName) {
    if (!GameFileExists(sjisName)) {
        throw TGameError(Sjis("ファイルが見つかりません ") + std::string(sjisName));
    }
}
