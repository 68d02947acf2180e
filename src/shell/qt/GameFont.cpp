#include "shell/qt/GameFont.h"

#include <QApplication>
#include <QFont>

void ApplyGameFont() {
    const QString designFont = QStringLiteral("ＭＳ Ｐゴシック");
    QFont::insertSubstitution(designFont, QStringLiteral("IPAPGothic"));
    QFont font(designFont);
    font.setPixelSize(12);
    QApplication::setFont(font);
}
