#include "shell/qt/Fm_title.h"

#include "shell/App.h"
#include "shell/qt/GameArt.h"

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace {

// A transparent caption over the title picture that reacts to the pointer.
class TTitleLabel final : public QLabel {
public:
    TTitleLabel(const QString& text, const QColor& colour, QWidget* parent) : QLabel(text, parent) {
        QFont font = this->font();
        font.setPixelSize(15);
        font.setBold(true);
        setFont(font);
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, colour);
        setPalette(palette);
        setAttribute(Qt::WA_TranslucentBackground);
        setCursor(Qt::PointingHandCursor);
        adjustSize();
    }

    std::function<void()> onPressed;
    std::function<void()> onClicked;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (onPressed) {
            onPressed();
        }
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (onClicked && event->button() == Qt::LeftButton && rect().contains(event->pos())) {
            onClicked();
        }
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace

TFormTitle::TFormTitle(TApp& opener, QWidget* parent) : QWidget(parent), app(opener) {
    setFixedSize(478, 329);
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap::fromImage(TitlePicture()));
    picture->setGeometry(0, 0, 478, 329);

    auto* start = new TTitleLabel(QStringLiteral("START"), QColor(255, 0, 255), this);
    start->setObjectName(QStringLiteral("Label1"));
    start->move(60, 140);
    start->onClicked = [this] { this->app.StartCommand(); };

    auto* resume = new TTitleLabel(QStringLiteral("CONTINUE"), QColor(0, 255, 0), this);
    resume->setObjectName(QStringLiteral("Label2"));
    resume->move(364, 140);
    resume->onPressed = [this] { this->app.LoadCommand(); };
}
