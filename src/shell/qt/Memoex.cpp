#include "shell/qt/Memoex.h"

#include <QEvent>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextFrame>

TMemoEx::TMemoEx(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(0);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TMemoEx::scrolled);
    ApplyMargins();
    ApplyTabWidth();
}

void TMemoEx::SetMargins(const TMargins& newMargins) {
    margins = newMargins;
    ApplyMargins();
}

void TMemoEx::SetTabWidth(int dialogUnits) {
    tabWidth = dialogUnits;
    ApplyTabWidth();
}

void TMemoEx::SetText(const QString& text) {
    setPlainText(text);
    ApplyMargins();
}

void TMemoEx::ApplyMargins() {
    QTextFrameFormat format = document()->rootFrame()->frameFormat();
    format.setLeftMargin(margins.left);
    format.setTopMargin(margins.top);
    format.setRightMargin(margins.right);
    format.setBottomMargin(margins.bottom);
    document()->rootFrame()->setFrameFormat(format);
}

void TMemoEx::ApplyTabWidth() {
    setTabStopDistance(QFontMetrics(font()).averageCharWidth() * tabWidth / 4.0);
}

void TMemoEx::changeEvent(QEvent* event) {
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        ApplyMargins();
        ApplyTabWidth();
    }
}

void TMemoEx::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    ApplyMargins();
}
