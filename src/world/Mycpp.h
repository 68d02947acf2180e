#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every occurrence of `find` replaced; the search restarts from the start
// after each replacement, so `replacement` must not contain `find`.
std::string StrReplaceAll(const std::string& text, const std::string& find,
                          const std::string& replacement);

// Replaces every occurrence of `find` by CR LF, in place.
void ReplaceToCRLF(std::string& text, const std::string& find);

// The items of a text as a string list holds them: CR LF, a lone CR or a lone
// LF ends a line; empty lines between breaks are kept, a final break adds none.
std::vector<std::string> SplitLines(const std::string& text);

struct TScreenPlace {
    int left;
    int top;
};
// Where a window of the given size goes: centred across, a little above the
// middle (two thirds of the centring top).
TScreenPlace CenterOnScreen(int screenWidth, int screenHeight, int width, int height);

// The text without the blanks and control characters around it.
std::string_view TrimBlanks(std::string_view text);

// The whole text as a decimal number; none for "", "1x", "+1" or one that
// does not fit in T.
template <typename T> std::optional<T> WholeNumber(std::string_view text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}
