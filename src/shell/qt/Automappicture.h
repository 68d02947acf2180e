#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <vector>

// The game window's automap picture: the automap draws its tiles into a
// picture of the widget's size that is shown as it stands.
class TAutomapPicture final : public QWidget {
    Q_OBJECT
public:
    // The tiles outlive the picture.
    TAutomapPicture(const std::vector<QPixmap>& tiles, QWidget* parent);

    void Fill(QRect area, std::uint32_t rgb);
    // An index the tiles do not have draws nothing.
    void DrawTile(int index, QPoint at);
    const QImage& Picture() const { return picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const std::vector<QPixmap>& tiles;
    QImage picture;
};
