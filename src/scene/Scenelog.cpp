#include "scene/Scenelog.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <cstdio>
#include <iostream>

std::string PrintableSjis(std::string_view sjis) {
    try {
        return SjisToUtf8(sjis);
    } catch (const TGameError&) {
        std::string shown;
        for (const char c : sjis) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x20 && byte < 0x7F) {
                shown += c;
            } else {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", byte);
                shown += hex;
            }
        }
        return shown;
    }
}

void LogSceneProblem(std::string_view what, std::string_view sjisFileName,
                     std::string_view problem) {
    std::cerr << "tessarine: " << what;
    if (!sjisFileName.empty()) {
        std::cerr << " " << PrintableSjis(sjisFileName);
    }
    std::cerr << ": " << problem << '\n';
}
