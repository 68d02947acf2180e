#pragma once

#include <QDialog>

// "バージョン情報": the program's icon, name and version.
class TFormAbout final : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // Shown modally, centred, unless it is already showing.
    void ShowAbout();
};
