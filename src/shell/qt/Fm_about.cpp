#include "shell/qt/Fm_about.h"

#include "shell/qt/GameArt.h"
#include "shell/qt/ScreenPlace.h"

#include <QLabel>
#include <QPushButton>

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(267, 160);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(ProgramIcon()));
    icon->setGeometry(16, 16, 32, 32);

    auto* name = new QLabel(QStringLiteral("Tessarine"), this);
    QFont large = name->font();
    large.setPixelSize(24);
    large.setBold(true);
    name->setFont(large);
    name->setGeometry(64, 16, 190, 32);

    auto* version = new QLabel(QStringLiteral("バージョン 1.2"), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(64, 64, 190, 20);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(96, 120, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAbout::ShowAbout() {
    if (isVisible()) {
        return;
    }
    PlaceCentred(*this);
    exec();
}
