#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The pictures and cursors stored with the program: painted by the content
// tools at build time and built into the program as resources. `name` is the
// file's name under the art folder, "title.bmp" or "cursors/cursors.txt".
// A missing picture raises TGameError naming it.
QByteArray GameArtFile(const QString& name);
QImage GameArtPicture(const QString& name);

// The 115 x 94 background tile, the 478 x 329 title picture and the 32 x 32
// program icon.
QImage BackgroundTile();
QImage TitlePicture();
QImage ProgramIcon();
