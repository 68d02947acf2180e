#pragma once

#include <QImage>

// The pictures stored with the program's windows, drawn here rather than
// shipped as files: the 115 x 94 background tile, the 478 x 329 title picture
// and the 32 x 32 program icon.
QImage BackgroundTile();
QImage TitlePicture();
QImage ProgramIcon();
