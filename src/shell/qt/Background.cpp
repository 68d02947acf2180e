#include "shell/qt/Background.h"

#include <QBitmap>
#include <QPainter>

std::vector<QPoint> BackgroundStamps(QSize screen, QSize tile) {
    const int step = static_cast<int>(tile.width() * 2.3);
    const int rows = (screen.height() + tile.height() - 1) / tile.height();
    const int columns = (screen.width() + tile.width() - 1) / tile.width();
    std::vector<QPoint> stamps;
    for (int i = 0; i < rows; i += 2) {
        const int shift = i % 4 == 2 ? step / 2 : 0;
        for (int j = 0; j <= columns; ++j) {
            stamps.emplace_back(step * j - shift, i * tile.height());
        }
    }
    return stamps;
}

QPixmap DrawMainBackground(const QImage& tile, QSize screen) {
    QPixmap background(screen);
    const QColor ground = tile.pixelColor(0, 0);
    background.fill(ground);
    QPixmap stamp = QPixmap::fromImage(tile);
    stamp.setMask(stamp.createMaskFromColor(ground, Qt::MaskInColor));
    QPainter painter(&background);
    for (const QPoint& at : BackgroundStamps(screen, tile.size())) {
        painter.drawPixmap(at, stamp);
    }
    return background;
}
