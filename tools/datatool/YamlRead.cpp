#include "YamlRead.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <algorithm>
#include <charconv>
#include <sstream>

TYamlNode TYamlNode::LoadFile(const std::filesystem::path& sourceDir, const std::string& relName) {
    auto name = std::make_shared<const std::string>(relName);
    try {
        return TYamlNode(name, YAML::LoadFile((sourceDir / relName).string()));
    } catch (const YAML::BadFile&) {
        throw TSourceError({relName, 0}, "cannot be read");
    } catch (const YAML::Exception& e) {
        throw TSourceError({relName, e.mark.is_null() ? 0 : e.mark.line + 1}, e.msg);
    }
}

std::optional<TYamlNode> LoadOptionalFile(const std::filesystem::path& sourceDir,
                                          const std::string& relName) {
    if (!std::filesystem::exists(sourceDir / relName)) {
        return std::nullopt;
    }
    return TYamlNode::LoadFile(sourceDir, relName);
}

std::vector<std::string> ListSourceFiles(const std::filesystem::path& sourceDir,
                                         const std::string& folder) {
    std::vector<std::string> names;
    const auto dir = sourceDir / folder;
    if (!std::filesystem::is_directory(dir)) {
        return names;
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.is_regular_file() && entry.path().extension() == ".yaml") {
            names.push_back(folder + "/" + entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

TSourceLocation TYamlNode::Where() const {
    const auto mark = node.Mark();
    return {*file, mark.is_null() ? 0 : mark.line + 1};
}

void TYamlNode::Fail(const std::string& message) const {
    throw TSourceError(Where(), message);
}

bool TYamlNode::Has(std::string_view key) const {
    return Find(key).has_value();
}

std::optional<TYamlNode> TYamlNode::Find(std::string_view key) const {
    if (!node.IsMap()) {
        if (node.IsNull()) {
            return std::nullopt;
        }
        Fail("expected a map of fields");
    }
    for (const auto& entry : node) {
        if (entry.first.IsScalar() && entry.first.Scalar() == key) {
            return TYamlNode(file, entry.second);
        }
    }
    return std::nullopt;
}

TYamlNode TYamlNode::Get(std::string_view key) const {
    auto field = Find(key);
    if (!field) {
        Fail("missing field '" + std::string(key) + "'");
    }
    return *field;
}

void TYamlNode::AllowOnly(std::initializer_list<std::string_view> keys) const {
    if (node.IsNull()) {
        return;
    }
    if (!node.IsMap()) {
        Fail("expected a map of fields");
    }
    for (const auto& entry : node) {
        const TYamlNode key(file, entry.first);
        const auto name = key.Scalar();
        if (std::find(keys.begin(), keys.end(), name) == keys.end()) {
            key.Fail("unknown field '" + name + "'");
        }
    }
}

std::vector<std::pair<TYamlNode, TYamlNode>> TYamlNode::Entries() const {
    std::vector<std::pair<TYamlNode, TYamlNode>> entries;
    if (node.IsNull()) {
        return entries;
    }
    if (!node.IsMap()) {
        Fail("expected a map");
    }
    for (const auto& entry : node) {
        entries.emplace_back(TYamlNode(file, entry.first), TYamlNode(file, entry.second));
    }
    return entries;
}

std::vector<TYamlNode> TYamlNode::Items() const {
    std::vector<TYamlNode> items;
    if (node.IsNull()) {
        return items;
    }
    if (!node.IsSequence()) {
        Fail("expected a list");
    }
    for (const auto& item : node) {
        items.push_back(TYamlNode(file, item));
    }
    return items;
}

std::vector<TYamlNode> TYamlNode::ListAt(std::string_view key) const {
    const auto field = Find(key);
    return field ? field->Items() : std::vector<TYamlNode>{};
}

std::string TYamlNode::Scalar() const {
    if (!node.IsScalar()) {
        Fail("expected a single value");
    }
    return node.Scalar();
}

namespace {

std::optional<std::string> BytesFromHex(const std::string& hex) {
    std::string bytes;
    std::istringstream words(hex);
    for (std::string word; words >> word;) {
        unsigned value = 0;
        const auto* end = word.data() + word.size();
        const auto [rest, error] = std::from_chars(word.data(), end, value, 16);
        if (error != std::errc() || rest != end || word.size() > 2) {
            return std::nullopt;
        }
        bytes += static_cast<char>(value);
    }
    return bytes;
}

} // namespace

std::string TYamlNode::Text() const {
    if (node.Tag() == SjisBytesTag) {
        const auto bytes = BytesFromHex(Scalar());
        if (!bytes) {
            Fail("an !sjis text is bytes in hexadecimal, two digits each, apart by blanks");
        }
        return *bytes;
    }
    try {
        return Utf8ToSjis(Scalar());
    } catch (const TGameError&) {
        Fail("text has characters that Shift-JIS cannot hold");
    }
}

long long TYamlNode::Integer(long long min, long long max, TNames names) const {
    const auto text = Scalar();
    for (const auto& name : names) {
        if (name.name == text) {
            return name.value;
        }
    }
    long long value = 0;
    const auto* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) {
        std::string expected = "a whole number";
        for (size_t i = 0; i < names.size(); ++i) {
            expected += (i == 0 ? " or one of: " : ", ") + std::string(names[i].name);
        }
        Fail("'" + text + "' is not " + expected);
    }
    if (value < min || value > max) {
        Fail(text + " is outside " + std::to_string(min) + " to " + std::to_string(max));
    }
    return value;
}

float TYamlNode::Float() const {
    const auto text = Scalar();
    float value = 0;
    const auto* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) {
        Fail("'" + text + "' is not a number");
    }
    return value;
}

std::string TYamlNode::TextAt(std::string_view key, const std::string& fallback) const {
    const auto field = Find(key);
    return field ? field->Text() : fallback;
}

std::string TYamlNode::JoinedTextAt(std::string_view key, std::string_view separator,
                                    std::vector<TSourceLocation>* partsAt) const {
    const auto field = Find(key);
    if (!field) {
        return {};
    }
    if (field->IsScalar()) {
        if (partsAt != nullptr) {
            partsAt->push_back(field->Where());
        }
        return field->Text();
    }
    std::string joined;
    const auto parts = field->Items();
    for (size_t i = 0; i < parts.size(); ++i) {
        joined += (i > 0 ? std::string(separator) : std::string()) + parts[i].Text();
        if (partsAt != nullptr) {
            partsAt->push_back(parts[i].Where());
        }
    }
    return joined;
}
