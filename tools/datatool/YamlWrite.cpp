#include "YamlWrite.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace {

// The text in UTF-8 when it comes back from there as the same bytes.
std::optional<std::string> ExactUtf8(const std::string& sjis) {
    try {
        auto utf8 = SjisToUtf8(sjis);
        if (Utf8ToSjis(utf8) == sjis) {
            return utf8;
        }
    } catch (const TGameError&) {
    }
    return std::nullopt;
}

std::string HexBytes(const std::string& bytes) {
    std::string hex;
    for (const auto byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof(digits), "%02x", static_cast<unsigned char>(byte));
        hex += (hex.empty() ? "" : " ") + std::string(digits);
    }
    return hex;
}

} // namespace

void EmitText(YAML::Emitter& out, const std::string& sjis) {
    if (const auto utf8 = ExactUtf8(sjis)) {
        out << YAML::DoubleQuoted << *utf8;
    } else {
        out << YAML::LocalTag(std::string(SjisBytesTag.substr(1))) << YAML::DoubleQuoted
            << HexBytes(sjis);
    }
}

void EmitNamed(YAML::Emitter& out, long long value, TNames names) {
    for (const auto& name : names) {
        if (name.value == value) {
            out << std::string(name.name);
            return;
        }
    }
    out << value;
}

void EmitFloat(YAML::Emitter& out, float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof(text), value);
    out << std::string(text, result.ptr);
}

namespace {

std::vector<std::string> SplitAt(const std::string& text, std::string_view separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const auto at = text.find(separator, start);
        parts.push_back(
            text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) {
            return parts;
        }
        start = at + separator.size();
    }
}

} // namespace

void EmitJoined(YAML::Emitter& out, const std::string& sjis, std::string_view separator) {
    const auto parts = SplitAt(sjis, separator);
    bool plain = !sjis.empty();
    for (const auto& part : parts) {
        // A part holding a line break or a lone separator character would
        // not survive as a list item.
        plain = plain && !part.empty() && part.find_first_of("\r\n") == std::string::npos;
    }
    if (!plain) {
        EmitText(out, sjis);
        return;
    }
    out << YAML::Flow << YAML::BeginSeq;
    for (const auto& part : parts) {
        EmitText(out, part);
    }
    out << YAML::EndSeq;
}

TRecordOut::TRecordOut(YAML::Emitter& target) : out(target) {
    out << YAML::Flow << YAML::BeginMap;
}

TRecordOut::~TRecordOut() {
    out << YAML::EndMap;
}

TRecordOut& TRecordOut::Number(const char* key, long long value) {
    out << YAML::Key << key << YAML::Value << value;
    return *this;
}

TRecordOut& TRecordOut::NumberIfSet(const char* key, long long value) {
    return value != 0 ? Number(key, value) : *this;
}

TRecordOut& TRecordOut::Named(const char* key, long long value, TNames names) {
    out << YAML::Key << key << YAML::Value;
    EmitNamed(out, value, names);
    return *this;
}

TRecordOut& TRecordOut::Text(const char* key, const std::string& sjis) {
    out << YAML::Key << key << YAML::Value;
    EmitText(out, sjis);
    return *this;
}

TRecordOut& TRecordOut::Position(const char* key, long long x, long long y) {
    out << YAML::Key << key << YAML::Value << YAML::Flow << YAML::BeginSeq << x << y
        << YAML::EndSeq;
    return *this;
}

TRecordOut& TRecordOut::Floats(const char* key, std::initializer_list<float> values) {
    out << YAML::Key << key << YAML::Value << YAML::Flow << YAML::BeginSeq;
    for (const auto value : values) {
        EmitFloat(out, value);
    }
    out << YAML::EndSeq;
    return *this;
}
