#include "platform/qt/QtMessageSeam.h"

#include "platform/qt/QtText.h"

#include <QApplication>
#include <QMessageBox>

void TQtMessageSeam::ShowMessage(const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Tessarine"), ToQt(text));
}

void TQtMessageSeam::ShowWarning(const std::string& text) {
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("警告"), ToQt(text));
}
