#include "shell/qt/GameArt.h"

#include "platform/GameError.h"
#include "shell/qt/Cursortable.h"
#include "shell/qt/ShellFixture.h"

#include <QPixmap>
#include <gtest/gtest.h>

TEST(GameArt, PicturesAreBuiltInWithTheirSizes) {
    const struct {
        QImage picture;
        QSize size;
    } cases[] = {{BackgroundTile(), QSize(115, 94)},
                 {TitlePicture(), QSize(478, 329)},
                 {ProgramIcon(), QSize(32, 32)}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.picture.size(), c.size);
    }
}

TEST(GameArt, AMissingPictureIsAnErrorNotAnEmptyImage) {
    EXPECT_THROW(GameArtPicture(QStringLiteral("nothing.bmp")), TGameError);
}

TEST(CursorTable, MagentaBecomesTransparentAndTheRestStaysOpaque) {
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 255));
    picture.setPixel(1, 0, qRgb(0, 0, 0));
    picture.setPixel(2, 0, qRgb(254, 0, 255));
    const QImage image = CursorImage(picture);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(1, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(image.pixel(2, 0), qRgba(254, 0, 255, 255));
}

TEST(CursorTable, HoldsTheTwentyOneGameCursorsAndTheArrowAtZero) {
    TCursorTable table;
    table.LoadGameCursors();
    EXPECT_EQ(table.Count(), 21);
    EXPECT_FALSE(table.Holds(0));
    EXPECT_FALSE(table.Holds(22));
    for (const int number : {0, 22, -1}) {
        EXPECT_EQ(table.Cursor(number).shape(), Qt::ArrowCursor) << number;
    }
    for (int number = 1; number <= 21; ++number) {
        const QCursor cursor = table.Cursor(number);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << number;
        EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16)) << number;
        const QImage image = cursor.pixmap().toImage();
        EXPECT_EQ(image.size(), QSize(32, 32)) << number;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << number;
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
            }
        }
        EXPECT_GT(opaque, 50) << number;
    }
}

using MainWindowCursors = ShellTest;

TEST_F(MainWindowCursors, CreatingTheMainWindowLoadsTheScreenCursors) {
    OpenWindow();
    EXPECT_EQ(TCursorTable::Instance().Count(), 21);
    EXPECT_EQ(TCursorTable::Instance().Cursor(21).hotSpot(), QPoint(16, 16));
}
