#include "shell/qt/Fm_msgdialog.h"

#include "platform/MessageSeam.h"
#include "platform/qt/QtText.h"
#include "shell/qt/ScreenPlace.h"

#include <QLabel>
#include <QPushButton>

TFormMsgDialog::TFormMsgDialog(QWidget* parent)
    : QDialog(parent), memo(new QLabel(this)), yes(new QPushButton(QStringLiteral("はい"), this)),
      no(new QPushButton(QStringLiteral("いいえ"), this)) {
    setWindowTitle(QStringLiteral("情報"));
    setFixedSize(252, 102);
    memo->setGeometry(12, 22, 229, 33);
    memo->setAlignment(Qt::AlignCenter);
    memo->setWordWrap(true);
    QFont text = memo->font();
    text.setPixelSize(15);
    memo->setFont(text);
    yes->setGeometry(46, 66, 75, 25);
    no->setGeometry(134, 66, 75, 25);
    connect(yes, &QPushButton::clicked, this, [this] {
        answer = AnswerYes;
        accept();
    });
    connect(no, &QPushButton::clicked, this, [this] {
        answer = AnswerNo;
        accept();
    });
}

int TFormMsgDialog::Ask(const std::string& sjisText) {
    answer = AnswerNone;
    memo->setText(ToQt(sjisText));
    PlaceCentred(*this);
    exec();
    return answer;
}
