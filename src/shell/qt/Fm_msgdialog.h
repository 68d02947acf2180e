#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

// The program's own yes/no question, "情報".
class TFormMsgDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TFormMsgDialog(QWidget* parent = nullptr);

    // Shows the Shift-JIS text modally: 1 for "はい", 2 for "いいえ", 0 when
    // the dialog was closed otherwise.
    int Ask(const std::string& sjisText);

    QPushButton* YesButton() const { return yes; }
    QPushButton* NoButton() const { return no; }
    QLabel* Text() const { return memo; }

private:
    QLabel* memo;
    QPushButton* yes;
    QPushButton* no;
    int answer = 0;
};
