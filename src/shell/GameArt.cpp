#include "shell/GameArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

// A gem seen from above, the game's emblem.
void DrawGem(QPainter& painter, QPointF centre, double radius, const QColor& face,
             const QColor& edge) {
    const QPointF top(centre.x(), centre.y() - radius);
    const QPointF right(centre.x() + radius * 0.8, centre.y());
    const QPointF bottom(centre.x(), centre.y() + radius);
    const QPointF left(centre.x() - radius * 0.8, centre.y());
    const QPointF points[] = {top, right, bottom, left};
    painter.setPen(QPen(edge, radius / 10.0));
    painter.setBrush(face);
    painter.drawPolygon(points, 4);
    painter.drawLine(top, bottom);
    painter.drawLine(left, right);
}

} // namespace

QImage BackgroundTile() {
    QImage tile(115, 94, QImage::Format_RGB32);
    const QColor ground(24, 32, 64);
    tile.fill(ground);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawGem(painter, QPointF(57, 47), 30, QColor(40, 56, 104), QColor(120, 100, 48));
    painter.setPen(QPen(QColor(72, 64, 40), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(57, 47), 40, 40);
    return tile;
}

QImage TitlePicture() {
    QImage picture(478, 329, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 329);
    sky.setColorAt(0.0, QColor(8, 12, 40));
    sky.setColorAt(0.7, QColor(48, 40, 88));
    sky.setColorAt(1.0, QColor(24, 20, 32));
    painter.fillRect(picture.rect(), sky);

    // The dungeon gate: a stone arch with darkness behind it.
    QPainterPath arch;
    arch.moveTo(169, 329);
    arch.lineTo(169, 200);
    arch.arcTo(169, 140, 140, 120, 180, -180);
    arch.lineTo(309, 329);
    painter.fillPath(arch, QColor(4, 4, 8));
    painter.setPen(QPen(QColor(112, 104, 96), 10));
    painter.drawPath(arch);

    DrawGem(painter, QPointF(239, 235), 22, QColor(200, 40, 120), QColor(255, 220, 120));

    QFont name(QStringLiteral("IPAPGothic"));
    name.setPixelSize(54);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(255, 224, 128));
    painter.drawText(QRect(0, 30, 478, 80), Qt::AlignCenter, QStringLiteral("Tessarine"));
    return picture;
}

QImage ProgramIcon() {
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawGem(painter, QPointF(16, 16), 14, QColor(200, 40, 120), QColor(255, 220, 120));
    return icon;
}
