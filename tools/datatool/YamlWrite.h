#pragma once

#include "YamlRead.h"

#include <string>
#include <string_view>
#include <yaml-cpp/yaml.h>

// Game text (Shift-JIS) as a double-quoted UTF-8 scalar: quoting keeps every
// byte, leading blanks and line breaks included. Bytes that are no Shift-JIS
// text, or that would come back as other bytes, are written as their numbers
// (see SjisBytesTag).
void EmitText(YAML::Emitter& out, const std::string& sjis);
// The value's name when it has one, else the number.
void EmitNamed(YAML::Emitter& out, long long value, TNames names);
// The shortest text that reads back as the same float.
void EmitFloat(YAML::Emitter& out, float value);
// A text as a list of its parts when splitting at `separator` and joining
// again gives it back exactly, else as one string.
void EmitJoined(YAML::Emitter& out, const std::string& sjis, std::string_view separator);

// One record written as a flow map on a line of its own: {at: [1, 2], kind: door}.
class TRecordOut {
public:
    explicit TRecordOut(YAML::Emitter& target);
    ~TRecordOut();
    TRecordOut(const TRecordOut&) = delete;
    TRecordOut& operator=(const TRecordOut&) = delete;

    TRecordOut& Number(const char* key, long long value);
    // Left out when 0, the default of every optional field.
    TRecordOut& NumberIfSet(const char* key, long long value);
    TRecordOut& Named(const char* key, long long value, TNames names);
    TRecordOut& Text(const char* key, const std::string& sjis);
    TRecordOut& Position(const char* key, long long x, long long y);
    TRecordOut& Floats(const char* key, std::initializer_list<float> values);
    template <typename TRange> TRecordOut& Numbers(const char* key, const TRange& values) {
        out << YAML::Key << key << YAML::Value << YAML::Flow << YAML::BeginSeq;
        for (const auto value : values) {
            out << static_cast<long long>(value);
        }
        out << YAML::EndSeq;
        return *this;
    }
    template <typename TRange> TRecordOut& NumbersIfSet(const char* key, const TRange& values) {
        for (const auto value : values) {
            if (value != 0) {
                return Numbers(key, values);
            }
        }
        return *this;
    }

private:
    YAML::Emitter& out;
};
