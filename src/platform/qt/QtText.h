#pragma once

#include "platform/SjisText.h"

#include <QString>
#include <string>

// The game's Shift-JIS text as a Qt string and back, at the UI boundary.
inline QString ToQt(const std::string& sjis) {
    return QString::fromStdString(SjisToUtf8(sjis));
}
inline std::string FromQt(const QString& text) {
    return Utf8ToSjis(text.toStdString());
}
