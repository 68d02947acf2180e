#include "shell/qt/Gamecontrols.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>

namespace {

constexpr int ListRowPadding = 2;

} // namespace

void SetPixelFont(QWidget& widget, int pixelSize, bool bold) {
    QFont font = widget.font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    widget.setFont(font);
}

void SetColours(QWidget& widget, const QColor& background, const QColor& text) {
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, background);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

int ListRowHeight(const QWidget& list, int content) {
    return std::max(list.fontMetrics().height(), content) + 2 * ListRowPadding;
}

TPanel::TPanel(QWidget* parent, const QString& caption) : QLabel(caption, parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    UpdateInset();
}

void TPanel::SetBevels(TBevel outerBevel, TBevel innerBevel) {
    outer = outerBevel;
    inner = innerBevel;
    singleBorder = false;
    UpdateInset();
    update();
}

void TPanel::SetSingleBorder() {
    outer = TBevel::None;
    inner = TBevel::None;
    singleBorder = true;
    UpdateInset();
    update();
}

void TPanel::SetColours(const QColor& background, const QColor& text) {
    ::SetColours(*this, background, text);
}

void TPanel::SetFontLook(int pixelSize, bool bold) {
    SetPixelFont(*this, pixelSize, bold);
}

void TPanel::UpdateInset() {
    const int inset = singleBorder ? 1 : (outer != TBevel::None) + (inner != TBevel::None);
    setContentsMargins(inset, inset, inset, inset);
}

void TPanel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    if (singleBorder) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    QRect edge = rect();
    for (const TBevel bevel : {outer, inner}) {
        if (bevel == TBevel::None) {
            continue;
        }
        qDrawShadePanel(&painter, edge, palette(), bevel == TBevel::Lowered, 1);
        edge.adjust(1, 1, -1, -1);
    }
}

void TPanel::mousePressEvent(QMouseEvent* event) {
    if (onPressed) {
        onPressed(event->button() == Qt::LeftButton);
    }
    event->accept();
}

void TPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (onClicked && event->button() == Qt::LeftButton && rect().contains(event->pos())) {
        onClicked();
    }
    event->accept();
}

TSpeedButton::TSpeedButton(QWidget* parent, const QString& caption, int buttonTag)
    : QToolButton(parent), tag(buttonTag) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
}

void TSpeedButton::mousePressEvent(QMouseEvent* event) {
    // Qt's buttons answer only the left button; these answer every button.
    if (event->button() == Qt::LeftButton) {
        QToolButton::mousePressEvent(event);
    } else {
        setDown(true);
        event->accept();
    }
    if (onPressed) {
        onPressed(event->button() == Qt::LeftButton);
    }
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QToolButton::mouseReleaseEvent(event);
    } else {
        setDown(false);
        event->accept();
    }
    if (onReleased) {
        onReleased();
    }
}
