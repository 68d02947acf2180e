#include "scene/Xfileparser.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

enum class TXTokenKind : std::uint8_t {
    Name,
    String,
    Number,
    Guid,
    OpenBrace,
    CloseBrace,
    Template,
    // Punctuation and type keywords, which only occur inside templates.
    Other,
};

struct TXToken {
    TXToken(TXTokenKind tokenKind, std::uint32_t at, double value = 0.0, std::string word = {})
        : kind(tokenKind), where(at), number(value), text(std::move(word)) {}

    TXTokenKind kind;
    // Line (text) or byte offset (binary).
    std::uint32_t where;
    double number;
    std::string text;
};

constexpr size_t HeaderSize = 16;
// Deeper nesting than any model needs; guards the recursion of the parser.
constexpr int MaxNesting = 64;

[[noreturn]] void FailAt(const std::string& where, const std::string& problem) {
    throw TXFileFormatError(where + ": " + problem);
}

// ---- text format ----

class TTextTokenizer {
public:
    explicit TTextTokenizer(const std::vector<std::uint8_t>& content) : bytes(content) {}

    std::vector<TXToken> Run() {
        std::vector<TXToken> tokens;
        while (at < bytes.size()) {
            const char c = static_cast<char>(bytes[at]);
            if (c == '\n') {
                ++line;
                ++at;
            } else if (IsBlank(c) || c == ',' || c == ';') {
                ++at;
            } else if (c == '#' || (c == '/' && Peek(1) == '/')) {
                SkipLine();
            } else if (c == '{') {
                tokens.push_back({TXTokenKind::OpenBrace, line});
                ++at;
            } else if (c == '}') {
                tokens.push_back({TXTokenKind::CloseBrace, line});
                ++at;
            } else if (c == '"') {
                tokens.push_back({TXTokenKind::String, line, 0.0, Delimited('"', "string")});
            } else if (c == '<') {
                tokens.push_back({TXTokenKind::Guid, line, 0.0, Delimited('>', "GUID")});
            } else {
                tokens.push_back(Word());
            }
        }
        return tokens;
    }

private:
    static bool IsLeadByte(std::uint8_t byte) {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\0'; }
    static bool EndsWord(char c) {
        return IsBlank(c) || c == '\n' || c == ',' || c == ';' || c == '{' || c == '}' ||
               c == '"' || c == '<';
    }
    char Peek(size_t ahead) const {
        return at + ahead < bytes.size() ? static_cast<char>(bytes[at + ahead]) : '\0';
    }
    void SkipLine() {
        while (at < bytes.size() && bytes[at] != '\n') {
            ++at;
        }
    }
    std::string Where() const { return "line " + std::to_string(line); }

    // Text up to the closing character; strings may not span lines.
    std::string Delimited(char close, const char* what) {
        const size_t start = ++at;
        while (at < bytes.size() && bytes[at] != static_cast<std::uint8_t>(close)) {
            if (bytes[at] == '\n') {
                FailAt(Where(), std::string("unterminated ") + what);
            }
            ++at;
        }
        if (at >= bytes.size()) {
            FailAt(Where(), std::string("unterminated ") + what);
        }
        std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at));
        ++at;
        return text;
    }

    TXToken Word() {
        const size_t start = at;
        while (at < bytes.size() && !EndsWord(static_cast<char>(bytes[at]))) {
            // The second byte of a Shift-JIS character may be "{" or "}".
            at += IsLeadByte(bytes[at]) && at + 1 < bytes.size() ? 2 : 1;
        }
        std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at));
        const char first = text[0];
        if ((first >= '0' && first <= '9') || first == '-' || first == '+' || first == '.') {
            const char* begin = text.data() + (first == '+' ? 1 : 0);
            const char* end = text.data() + text.size();
            double value = 0.0;
            const auto [stop, error] = std::from_chars(begin, end, value);
            if (error == std::errc() && stop == end) {
                return {TXTokenKind::Number, line, value};
            }
            if (first != '.' && first != '-' && first != '+') {
                FailAt(Where(), "malformed number \"" + text + "\"");
            }
        }
        if (text == "template") {
            return {TXTokenKind::Template, line};
        }
        return {TXTokenKind::Name, line, 0.0, std::move(text)};
    }

    const std::vector<std::uint8_t>& bytes;
    size_t at = HeaderSize;
    std::uint32_t line = 1;
};

// ---- binary format ----

enum TBinaryToken : std::uint16_t {
    TokenName = 1,
    TokenString = 2,
    TokenInteger = 3,
    TokenGuid = 5,
    TokenIntegerList = 6,
    TokenFloatList = 7,
    TokenOpenBrace = 10,
    TokenCloseBrace = 11,
    TokenComma = 19,
    TokenSemicolon = 20,
    TokenTemplate = 31,
};

class TBinaryTokenizer {
public:
    TBinaryTokenizer(const std::vector<std::uint8_t>& content, size_t floatBytes)
        : bytes(content), floatSize(floatBytes) {}

    std::vector<TXToken> Run() {
        std::vector<TXToken> tokens;
        while (at < bytes.size()) {
            const auto where = static_cast<std::uint32_t>(at);
            const std::uint16_t token = U16();
            switch (token) {
            case TokenName:
            case TokenString: {
                const auto kind = token == TokenName ? TXTokenKind::Name : TXTokenKind::String;
                tokens.push_back({kind, where, 0.0, Text(U32())});
                break;
            }
            case TokenInteger:
                tokens.push_back({TXTokenKind::Number, where, static_cast<double>(U32())});
                break;
            case TokenGuid:
                Need(16, "GUID");
                at += 16;
                tokens.push_back({TXTokenKind::Guid, where});
                break;
            case TokenIntegerList:
                List(tokens, false, where);
                break;
            case TokenFloatList:
                List(tokens, true, where);
                break;
            case TokenOpenBrace:
                tokens.push_back({TXTokenKind::OpenBrace, where});
                break;
            case TokenCloseBrace:
                tokens.push_back({TXTokenKind::CloseBrace, where});
                break;
            case TokenComma:
            case TokenSemicolon:
                break;
            case TokenTemplate:
                tokens.push_back({TXTokenKind::Template, where});
                break;
            default:
                // Brackets, parentheses, angles, dot (12-18) and the type
                // keywords of template bodies (40-52).
                if ((token >= 12 && token <= 18) || (token >= 40 && token <= 52)) {
                    tokens.push_back({TXTokenKind::Other, where});
                    break;
                }
                FailAt(Where(where), "unknown token " + std::to_string(token));
            }
        }
        return tokens;
    }

private:
    static std::string Where(size_t offset) { return "byte " + std::to_string(offset); }

    void Need(std::uint64_t count, const char* what) const {
        if (count > bytes.size() - at) {
            FailAt(Where(at), std::string("file ends inside ") + what);
        }
    }
    std::uint16_t U16() {
        Need(2, "a token");
        const auto value = static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
        at += 2;
        return value;
    }
    std::uint32_t U32() {
        Need(4, "a number");
        std::uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, 4);
        at += 4;
        return value;
    }
    std::string Text(std::uint32_t length) {
        Need(length, "a name or string");
        const auto* begin = reinterpret_cast<const char*>(bytes.data() + at);
        at += length;
        return std::string(begin, strnlen(begin, length));
    }
    void List(std::vector<TXToken>& tokens, bool floats, std::uint32_t where) {
        const std::uint32_t count = U32();
        const size_t itemSize = floats ? floatSize : 4;
        Need(static_cast<std::uint64_t>(count) * itemSize, "a number list");
        tokens.reserve(tokens.size() + count);
        for (std::uint32_t i = 0; i < count; ++i) {
            double value = 0.0;
            if (!floats) {
                value = ReadAt<std::uint32_t>();
            } else if (floatSize == 4) {
                value = ReadAt<float>();
            } else {
                value = ReadAt<double>();
            }
            at += itemSize;
            tokens.push_back({TXTokenKind::Number, where, value});
        }
    }
    template <typename T> double ReadAt() const {
        T value{};
        std::memcpy(&value, bytes.data() + at, sizeof(T));
        return static_cast<double>(value);
    }

    const std::vector<std::uint8_t>& bytes;
    size_t floatSize;
    size_t at = HeaderSize;
};

// ---- the object tree ----

class TParser {
public:
    TParser(std::vector<TXToken> all, bool binary)
        : tokens(std::move(all)), binaryOffsets(binary) {}

    std::vector<std::unique_ptr<TXDataObject>> Run() {
        std::vector<std::unique_ptr<TXDataObject>> objects;
        while (at < tokens.size()) {
            switch (tokens[at].kind) {
            case TXTokenKind::Template:
                SkipTemplate();
                break;
            case TXTokenKind::Name:
                objects.push_back(Object(0));
                break;
            default:
                Fail("expected a template or a data object");
            }
        }
        return objects;
    }

private:
    std::string Where() const {
        if (at >= tokens.size()) {
            return "end of file";
        }
        return (binaryOffsets ? "byte " : "line ") + std::to_string(tokens[at].where);
    }
    [[noreturn]] void Fail(const std::string& problem) const { FailAt(Where(), problem); }
    bool Is(size_t index, TXTokenKind kind) const {
        return index < tokens.size() && tokens[index].kind == kind;
    }

    void SkipTemplate() {
        ++at;
        if (!Is(at, TXTokenKind::Name) || !Is(at + 1, TXTokenKind::OpenBrace)) {
            Fail("malformed template declaration");
        }
        at += 2;
        int open = 1;
        while (open > 0) {
            if (at >= tokens.size()) {
                Fail("template declaration not closed");
            }
            if (tokens[at].kind == TXTokenKind::OpenBrace) {
                ++open;
            } else if (tokens[at].kind == TXTokenKind::CloseBrace) {
                --open;
            }
            ++at;
        }
    }

    bool StartsObject(size_t index) const {
        return Is(index, TXTokenKind::Name) &&
               (Is(index + 1, TXTokenKind::OpenBrace) ||
                (Is(index + 1, TXTokenKind::Name) && Is(index + 2, TXTokenKind::OpenBrace)));
    }

    std::unique_ptr<TXDataObject> Object(int depth) {
        if (depth > MaxNesting) {
            Fail("data objects nested too deeply");
        }
        auto object = std::make_unique<TXDataObject>();
        object->where = Where();
        object->templateName = tokens[at++].text;
        if (Is(at, TXTokenKind::Name)) {
            object->name = tokens[at++].text;
        }
        if (!Is(at, TXTokenKind::OpenBrace)) {
            Fail("expected '{' after " + object->templateName);
        }
        ++at;
        if (Is(at, TXTokenKind::Guid)) {
            ++at;
        }
        for (;;) {
            if (at >= tokens.size()) {
                FailAt(object->where, object->templateName + " is not closed");
            }
            TXToken& token = tokens[at];
            switch (token.kind) {
            case TXTokenKind::Number:
                object->numbers.push_back(token.number);
                ++at;
                break;
            case TXTokenKind::String:
                object->strings.push_back(std::move(token.text));
                ++at;
                break;
            case TXTokenKind::Name:
                if (StartsObject(at)) {
                    object->children.push_back({Object(depth + 1), {}});
                } else {
                    // Some writers leave file names unquoted.
                    object->strings.push_back(std::move(token.text));
                    ++at;
                }
                break;
            case TXTokenKind::OpenBrace:
                object->children.push_back({nullptr, Reference()});
                break;
            case TXTokenKind::CloseBrace:
                ++at;
                return object;
            case TXTokenKind::Guid:
                ++at;
                break;
            default:
                Fail("unexpected token inside " + object->templateName);
            }
        }
    }

    std::string Reference() {
        ++at;
        std::string name;
        if (Is(at, TXTokenKind::Name)) {
            name = tokens[at++].text;
        }
        if (Is(at, TXTokenKind::Guid)) {
            ++at;
        }
        if (!Is(at, TXTokenKind::CloseBrace)) {
            Fail("malformed reference");
        }
        ++at;
        if (name.empty()) {
            Fail("references by GUID alone are not supported");
        }
        return name;
    }

    std::vector<TXToken> tokens;
    bool binaryOffsets;
    size_t at = 0;
};

} // namespace

TXFileData TXFileData::Parse(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < HeaderSize || std::memcmp(bytes.data(), "xof ", 4) != 0) {
        throw TXFileFormatError("not a DirectX file (no \"xof \" header)");
    }
    const std::string header(bytes.begin(), bytes.begin() + HeaderSize);
    const std::string format = header.substr(8, 4);
    const std::string floatBits = header.substr(12, 4);
    if (floatBits != "0032" && floatBits != "0064") {
        throw TXFileFormatError("unknown float size \"" + floatBits + "\"");
    }
    std::vector<TXToken> tokens;
    bool binary = false;
    if (format == "txt ") {
        tokens = TTextTokenizer(bytes).Run();
    } else if (format == "bin ") {
        binary = true;
        tokens = TBinaryTokenizer(bytes, floatBits == "0064" ? 8 : 4).Run();
    } else {
        throw TXFileFormatError("unsupported format \"" + format + "\" (only txt and bin)");
    }
    TParser parser(std::move(tokens), binary);
    TXFileData data;
    data.objects = parser.Run();
    for (const auto& object : data.objects) {
        data.IndexNames(*object);
    }
    return data;
}

void TXFileData::IndexNames(const TXDataObject& object) {
    if (!object.name.empty()) {
        named.emplace(object.name, &object);
    }
    for (const auto& child : object.children) {
        if (child.object) {
            IndexNames(*child.object);
        }
    }
}

const TXDataObject* TXFileData::Find(const std::string& name) const {
    const auto found = named.find(name);
    return found == named.end() ? nullptr : found->second;
}

double TXMemberReader::Number(const char* what) {
    if (next >= data.numbers.size()) {
        Fail(std::string("missing ") + what);
    }
    return data.numbers[next++];
}

std::uint32_t TXMemberReader::Count(const char* what) {
    const double value = Number(what);
    if (!(value >= 0.0 && value <= 4294967295.0) || std::floor(value) != value) {
        Fail(std::string(what) + " is not a count");
    }
    return static_cast<std::uint32_t>(value);
}

float TXMemberReader::Float(const char* what) {
    const double value = Number(what);
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) {
        Fail(std::string(what) + " is not a finite single float");
    }
    return static_cast<float>(value);
}

void TXMemberReader::RequireNumbers(std::uint64_t count, std::uint64_t perItem,
                                    const char* what) const {
    if (perItem > 0 && count > NumbersLeft() / perItem) {
        Fail(std::to_string(count) + " " + what + " announced, fewer given");
    }
}

void TXMemberReader::Fail(const std::string& problem) const {
    std::string object = data.templateName;
    if (!data.name.empty()) {
        object += " " + data.name;
    }
    FailAt(data.where, object + ": " + problem);
}
