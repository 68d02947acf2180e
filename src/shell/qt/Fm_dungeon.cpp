#include "shell/qt/Fm_dungeon.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

namespace {

void Colour(QWidget* widget, const QColor& text, const QColor& back) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, back);
    widget->setPalette(palette);
    widget->setAutoFillBackground(back != Qt::transparent);
}

void Caption(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
}

} // namespace

TFormDung::TFormDung(QWidget* parent)
    : QWidget(parent), panel3(new QFrame(this)), panel5(new QLabel(panel3)),
      groupBox1(new QGroupBox(QStringLiteral("プロパティ"), this)) {
    setFixedSize(796, 504);
    panel3->setGeometry(0, 0, 491, 504);
    Colour(panel3, Qt::white, Qt::black);

    panel5->setObjectName(QStringLiteral("Panel5"));
    panel5->setGeometry(146, 112, 223, 27);
    panel5->setFrameShape(QFrame::Box);
    panel5->setAlignment(Qt::AlignCenter);
    QFont bold = panel5->font();
    bold.setPixelSize(15);
    bold.setBold(true);
    panel5->setFont(bold);
    Colour(panel5, Qt::green, Qt::black);
    panel5->hide();

    groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1->setGeometry(502, 109, 137, 119);
    QFont groupFont = groupBox1->font();
    groupFont.setPixelSize(16);
    groupBox1->setFont(groupFont);
    Caption(groupBox1, QStringLiteral("HP"), 8, 22);
    Caption(groupBox1, QStringLiteral("攻撃"), 8, 40);
    Caption(groupBox1, QStringLiteral("防御"), 8, 58);
    Caption(groupBox1, QStringLiteral("レベル"), 8, 76);
    Caption(groupBox1, QStringLiteral("NEXT"), 8, 94);
    label6 = AddValueLabel(QStringLiteral("Label6"), 56, 22, Qt::black, Qt::transparent);
    label7 = AddValueLabel(QStringLiteral("Label7"), 96, 22, Qt::black, Qt::transparent);
    label8 = AddValueLabel(QStringLiteral("Label8"), 56, 40, Qt::white, Qt::red);
    label9 = AddValueLabel(QStringLiteral("Label9"), 56, 58, Qt::white, QColor(0, 0, 128));
    label10 = AddValueLabel(QStringLiteral("Label10"), 56, 76, Qt::black, Qt::transparent);
    label23 = AddValueLabel(QStringLiteral("Label23"), 56, 94, Qt::black, Qt::transparent);
}

QLabel* TFormDung::AddValueLabel(const QString& name, int left, int top, const QColor& text,
                                 const QColor& back) {
    auto* label = new QLabel(groupBox1);
    label->setObjectName(name);
    label->setGeometry(left, top, 36, 17);
    Colour(label, text, back);
    return label;
}

void TFormDung::ShowHeroValues(int hp, int maxHp, int attack, int defence, int level, int next) {
    label6->setNum(hp);
    label7->setNum(maxHp);
    label10->setNum(level);
    ShowHeroPower(attack, defence);
    ShowNext(next);
}

void TFormDung::ShowHeroPower(int attack, int defence) {
    label8->setNum(attack);
    label9->setNum(defence);
}

void TFormDung::ShowNext(int next) {
    label23->setNum(next);
}

void TFormDung::ShowRemark(const QString& text) {
    panel5->setText(text);
    panel5->setVisible(!text.isEmpty());
}

void TFormDung::closeEvent(QCloseEvent* event) {
    event->accept();
    if (whenClosed) {
        auto notify = std::move(whenClosed);
        whenClosed = nullptr;
        notify();
    }
}
