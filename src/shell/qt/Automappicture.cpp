#include "shell/qt/Automappicture.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

constexpr int PictureWidth = 300;
constexpr int PictureHeight = 250;

} // namespace

TAutomapPicture::TAutomapPicture(const std::vector<QPixmap>& tileList, QWidget* parent)
    : QWidget(parent), tiles(tileList), picture(PictureWidth, PictureHeight, QImage::Format_RGB32) {
    setFixedSize(PictureWidth, PictureHeight);
    picture.fill(Qt::white);
}

void TAutomapPicture::Fill(QRect area, std::uint32_t rgb) {
    QPainter painter(&picture);
    painter.fillRect(area, QColor::fromRgb(rgb));
    update(area);
}

void TAutomapPicture::DrawTile(int index, QPoint at) {
    if (index < 0 || static_cast<std::size_t>(index) >= tiles.size()) {
        return;
    }
    const QPixmap& tile = tiles[static_cast<std::size_t>(index)];
    QPainter painter(&picture);
    painter.drawPixmap(at, tile);
    update(QRect(at, tile.size()));
}

void TAutomapPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture, event->rect());
}
