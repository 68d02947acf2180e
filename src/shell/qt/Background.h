#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <vector>

// Where the background tile is stamped on a screen: every second tile row,
// copies spaced 2.3 tile widths apart, every other drawn row shifted left by
// half that step.
std::vector<QPoint> BackgroundStamps(QSize screen, QSize tile);

// The main window's background: the colour of the tile's top-left pixel, and
// the tile stamped over it with that colour transparent.
QPixmap DrawMainBackground(const QImage& tile, QSize screen);
