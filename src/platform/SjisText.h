#pragma once

#include <string>
#include <string_view>

// Conversion between the game's Shift-JIS (code page 932) text and UTF-8, used
// only at the boundaries: the UI, the file system and our content sources.
// Both raise TGameError on a byte sequence that has no counterpart.
std::string SjisToUtf8(std::string_view sjis);
std::string Utf8ToSjis(std::string_view utf8);

// Shift-JIS for a message about something named outside the game, such as a
// folder of the file system: what Shift-JIS lacks shows as "?".
std::string Utf8ToSjisShown(std::string_view utf8);

// The game's text from a UTF-8 literal in our source: Sjis("ファイル").
inline std::string Sjis(std::string_view utf8) {
    return Utf8ToSjis(utf8);
}
