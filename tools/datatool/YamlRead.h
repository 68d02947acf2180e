#pragma once

#include "SourceError.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include <yaml-cpp/yaml.h>

// A game text kept byte for byte: !sjis "82 a0 41", the Shift-JIS bytes in
// hexadecimal. The dump writes texts so that UTF-8 cannot hold exactly.
inline constexpr std::string_view SjisBytesTag = "!sjis";

// A name that a source may write instead of a number ("door", "N").
struct TName {
    std::string_view name;
    long long value;
};
using TNames = std::span<const TName>;

// A node of a source file that knows its file and line, so every complaint
// about it points there.
class TYamlNode {
public:
    // Parses SRC_DIR/relName; a syntax error names the file and line.
    static TYamlNode LoadFile(const std::filesystem::path& sourceDir, const std::string& relName);

    TSourceLocation Where() const;
    [[noreturn]] void Fail(const std::string& message) const;

    bool IsMap() const { return node.IsMap(); }
    bool IsSequence() const { return node.IsSequence(); }
    bool IsScalar() const { return node.IsScalar(); }

    // Map fields. `Get` fails when the field is missing.
    bool Has(std::string_view key) const;
    std::optional<TYamlNode> Find(std::string_view key) const;
    TYamlNode Get(std::string_view key) const;
    // Fails on a field not in the list: a misspelt field would otherwise be
    // silently left at its default.
    void AllowOnly(std::initializer_list<std::string_view> keys) const;
    // The (key, value) pairs of a map, in source order.
    std::vector<std::pair<TYamlNode, TYamlNode>> Entries() const;

    // The items of a sequence; an empty value gives none.
    std::vector<TYamlNode> Items() const;
    // The items of an optional list field.
    std::vector<TYamlNode> ListAt(std::string_view key) const;

    // The scalar as written (UTF-8).
    std::string Scalar() const;
    // The scalar as game text (Shift-JIS), or the bytes of an !sjis scalar.
    std::string Text() const;
    // A decimal integer within [min, max], or one of the names.
    long long Integer(long long min, long long max, TNames names = {}) const;
    template <typename TInt> TInt Number(TNames names = {}) const {
        return static_cast<TInt>(
            Integer(std::numeric_limits<TInt>::min(), std::numeric_limits<TInt>::max(), names));
    }
    float Float() const;

    // Optional fields with their defaults.
    template <typename TInt>
    TInt NumberAt(std::string_view key, TInt fallback, TNames names = {}) const {
        const auto field = Find(key);
        return field ? field->Number<TInt>(names) : fallback;
    }
    std::string TextAt(std::string_view key, const std::string& fallback = {}) const;
    // A text written either as one string (kept exactly) or as a list of
    // parts joined by `separator`. `partsAt` gets where each part stands (the
    // whole text, for one string).
    std::string JoinedTextAt(std::string_view key, std::string_view separator,
                             std::vector<TSourceLocation>* partsAt = nullptr) const;
    // A fixed-length list of numbers; a missing field gives zeros.
    template <typename TInt, size_t N>
    std::array<TInt, N> NumbersAt(std::string_view key, TNames names = {}) const {
        std::array<TInt, N> values{};
        const auto field = Find(key);
        if (!field) {
            return values;
        }
        const auto items = field->Items();
        if (items.size() != N) {
            field->Fail("expected a list of " + std::to_string(N) + " numbers");
        }
        for (size_t i = 0; i < N; ++i) {
            values[i] = items[i].Number<TInt>(names);
        }
        return values;
    }

private:
    TYamlNode(std::shared_ptr<const std::string> fileName, YAML::Node yamlNode)
        : file(std::move(fileName)), node(std::move(yamlNode)) {}

    std::shared_ptr<const std::string> file;
    YAML::Node node;
};

// Reads a source file when it exists.
std::optional<TYamlNode> LoadOptionalFile(const std::filesystem::path& sourceDir,
                                          const std::string& relName);
// The names of the .yaml files in SRC_DIR/folder, relative to SRC_DIR, sorted.
std::vector<std::string> ListSourceFiles(const std::filesystem::path& sourceDir,
                                         const std::string& folder);
