#pragma once

#include "platform/SingleInstance.h"

#include <QCursor>
#include <QImage>
#include <map>

// The screen's cursors by number: 0 is the platform's default arrow, 1 to 21
// the game's own (1-8 the direction arrows north first and clockwise, 9-16
// the same for fast mode, 17 "Watch", 18 "Action", 19 "Atack", 20 "Move",
// 21 "Talk"). The screen's one table is a program-wide single object, made
// and filled by the main window.
class TCursorTable : public TSingleInstance<TCursorTable> {
public:
    static constexpr int GameCursorCount = 21;

    // Loads the 21 cursors from the program's resources under their numbers;
    // raises TGameError when the cursor list or a cursor picture is unusable.
    void LoadGameCursors();

    // The cursor of a number; a number without a cursor gives the arrow.
    QCursor Cursor(int number) const;
    bool Holds(int number) const { return cursors.count(number) != 0; }
    int Count() const { return static_cast<int>(cursors.size()); }

private:
    std::map<int, QCursor> cursors;
};

// A cursor picture as drawn on the screen: its magenta is transparent.
QImage CursorImage(const QImage& picture);
