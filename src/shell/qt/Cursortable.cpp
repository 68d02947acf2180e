#include "shell/qt/Cursortable.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "platform/qt/QtText.h"
#include "shell/qt/GameArt.h"

#include <QPixmap>
#include <QStringList>
#include <array>

namespace {

const QString CursorListName = QStringLiteral("cursors/cursors.txt");

// The cursor resources by number, from 1.
const std::array<const char*, TCursorTable::GameCursorCount> CursorNames = {
    "N_Normal",  "NE_Normal", "E_Normal", "SE_Normal", "S_Normal", "SW_Normal", "W_Normal",
    "NW_Normal", "N_Fast",    "NE_Fast",  "E_Fast",    "SE_Fast",  "S_Fast",    "SW_Fast",
    "W_Fast",    "NW_Fast",   "Watch",    "Action",    "Atack",    "Move",      "Talk"};

struct TCursorEntry {
    QString file;
    int hotX = 0;
    int hotY = 0;
};

// lineNumber 0: a fault of the list as a whole.
[[noreturn]] void BadCursorList(int lineNumber, const std::string& what) {
    const std::string where =
        FromQt(CursorListName) + (lineNumber > 0 ? ":" + std::to_string(lineNumber) : "");
    throw TGameError(Sjis("カーソルの一覧が正しくありません ") + where + ": " + what);
}

int ReadNumber(const QString& field, int lineNumber) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok) {
        BadCursorList(lineNumber, FromQt(field));
    }
    return value;
}

// Lines "number name file hotX hotY"; '#' starts a comment line.
std::map<int, TCursorEntry> ReadCursorList() {
    const QString text = QString::fromUtf8(GameArtFile(CursorListName));
    std::map<int, TCursorEntry> entries;
    int lineNumber = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() != 5) {
            BadCursorList(lineNumber, FromQt(trimmed));
        }
        const int number = ReadNumber(fields[0], lineNumber);
        if (number < 1 || number > TCursorTable::GameCursorCount ||
            fields[1] != QLatin1String(CursorNames[static_cast<std::size_t>(number - 1)]) ||
            entries.count(number) != 0) {
            BadCursorList(lineNumber, FromQt(fields[0] + QLatin1Char(' ') + fields[1]));
        }
        entries[number] = {QStringLiteral("cursors/") + fields[2],
                           ReadNumber(fields[3], lineNumber), ReadNumber(fields[4], lineNumber)};
    }
    return entries;
}

} // namespace

QImage CursorImage(const QImage& picture) {
    const QRgb mask = qRgb(255, 0, 255);
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & RGB_MASK) == (mask & RGB_MASK)) {
                row[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return image;
}

void TCursorTable::LoadGameCursors() {
    const std::map<int, TCursorEntry> entries = ReadCursorList();
    std::map<int, QCursor> loaded;
    for (int number = 1; number <= GameCursorCount; ++number) {
        const auto entry = entries.find(number);
        if (entry == entries.end()) {
            BadCursorList(0, CursorNames[static_cast<std::size_t>(number - 1)]);
        }
        const QImage picture = GameArtPicture(entry->second.file);
        if (!picture.rect().contains(entry->second.hotX, entry->second.hotY)) {
            BadCursorList(0, FromQt(entry->second.file));
        }
        loaded.emplace(number, QCursor(QPixmap::fromImage(CursorImage(picture)), entry->second.hotX,
                                       entry->second.hotY));
    }
    cursors = std::move(loaded);
}

QCursor TCursorTable::Cursor(int number) const {
    const auto found = cursors.find(number);
    return found == cursors.end() ? QCursor(Qt::ArrowCursor) : found->second;
}
