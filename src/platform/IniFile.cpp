#include "platform/IniFile.h"

#include <charconv>

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

TIniFile::TIniFile(const std::filesystem::path& path) : file(TGamePath::FromNative(path)) {
    sections.push_back({});
    if (!GameFileExists(file)) {
        return;
    }
    const auto bytes = ReadWholeGameFile(file);
    const std::string content(bytes.begin(), bytes.end());
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        std::string raw = content.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.pop_back();
        }
        start = end + 1;
        const std::string line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const auto equals = line.find('=');
        if (equals != std::string::npos && equals > 0) {
            sections.back().lines.push_back(
                {raw, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))});
        } else {
            sections.back().lines.push_back({raw, {}, {}});
        }
    }
}

const TIniFile::TLine* TIniFile::Find(const std::string& section, const std::string& key) const {
    for (size_t s = 1; s < sections.size(); ++s) {
        if (sections[s].name != section) {
            continue;
        }
        for (const TLine& line : sections[s].lines) {
            if (line.key == key) {
                return &line;
            }
        }
    }
    return nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const TLine* line = Find(section, key);
    return line ? line->value : defaultValue;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    const TLine* line = Find(section, key);
    if (!line) {
        return defaultValue;
    }
    int value = 0;
    const char* begin = line->value.data();
    const char* end = begin + line->value.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) {
        return defaultValue;
    }
    return value;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    TSection* target = nullptr;
    for (size_t s = 1; s < sections.size() && !target; ++s) {
        if (sections[s].name == section) {
            target = &sections[s];
        }
    }
    if (!target) {
        sections.push_back({section, {}});
        target = &sections.back();
    }
    for (TLine& line : target->lines) {
        if (line.key == key) {
            line.value = value;
            line.text = key + "=" + value;
            return;
        }
    }
    // Keep new keys ahead of trailing blank lines of the section.
    auto position = target->lines.end();
    while (position != target->lines.begin() && Trim(std::prev(position)->text).empty()) {
        --position;
    }
    target->lines.insert(position, {key + "=" + value, key, value});
}

void TIniFile::Save() const {
    std::string content;
    for (size_t s = 0; s < sections.size(); ++s) {
        if (s > 0) {
            content += "[" + sections[s].name + "]\r\n";
        }
        for (const TLine& line : sections[s].lines) {
            content += line.text + "\r\n";
        }
    }
    WriteWholeGameFile(file, std::vector<std::uint8_t>(content.begin(), content.end()));
}
