#include "platform/SjisText.h"

#include "platform/GameError.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Messages here stay ASCII: converting them would need this very function.
// glibc's SHIFT_JIS lacks the NEC and IBM rows (①, ～) and maps 0x5C to the
// yen sign; CP932 is the code page the game's text is written in.
std::string Convert(std::string_view input, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw TGameError(std::string("iconv cannot open ") + from + " -> " + to);
    }
    std::string out(input.size() * 3 + 8, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                const size_t used = out.size() - outLeft;
                out.resize(out.size() * 2);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                continue;
            }
            iconv_close(cd);
            throw TGameError(std::string("text cannot be converted: ") + from + " -> " + to);
        }
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

std::string SjisToUtf8(std::string_view sjis) {
    return Convert(sjis, "CP932", "UTF-8");
}

std::string Utf8ToSjis(std::string_view utf8) {
    return Convert(utf8, "UTF-8", "CP932");
}

std::string Utf8ToSjisShown(std::string_view utf8) {
    try {
        return Utf8ToSjis(utf8);
    } catch (const TGameError&) {
    }
    std::string shown;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const auto character = utf8.substr(i, length);
        try {
            shown += Utf8ToSjis(character);
        } catch (const TGameError&) {
            shown += '?';
        }
        i += character.size();
    }
    return shown;
}
