#include "village/qt/Fm_dungent.h"

#include "platform/qt/QtText.h"
#include "shell/Entrancescreen.h"
#include "shell/qt/GameFont.h"
#include "shell/qt/Gamecontrols.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

TFormDungEnt::TFormDungEnt(TEntranceScreenBase& screenProxy, TEntranceChoice offered,
                           QWidget* parent)
    : QWidget(parent), proxy(screenProxy), choice(std::move(offered)) {
    setObjectName(QStringLiteral("FormDungEnt"));
    setWindowTitle(QStringLiteral("ダンジョン入口"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(GameFont(16));

    comboBox1 = new QComboBox(this);
    comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1->setGeometry(22, 22, 153, 24);
    listBox1 = new QListWidget(this);
    listBox1->setObjectName(QStringLiteral("ListBox1"));
    listBox1->setGeometry(22, 66, 153, 97);
    listBox1->setUniformItemSizes(true);
    button1 = new QPushButton(QStringLiteral("決定"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(192, 96, 81, 29);
    button2 = new QPushButton(QStringLiteral("村へ戻る"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    button2->setGeometry(192, 138, 81, 25);

    for (std::size_t pos = 0; pos < choice.AreaCount(); ++pos) {
        comboBox1->addItem(ToQt(choice.AreaName(pos)));
    }
    comboBox1->setCurrentIndex(static_cast<int>(choice.Preselected()));
    ShowDungeons(comboBox1->currentIndex());
    connect(comboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { ShowDungeons(index); });
    connect(listBox1, &QListWidget::itemDoubleClicked, this, [this] { EnterChosen(); });
    connect(button1, &QPushButton::clicked, this, [this] { EnterChosen(); });
    connect(button2, &QPushButton::clicked, this, [this] { ReturnChosen(); });
}

void TFormDungEnt::ShowDungeons(int areaPos) {
    listBox1->clear();
    if (areaPos < 0) {
        return;
    }
    const int rowHeight = ListRowHeight(*listBox1);
    for (const std::string& name : choice.DungeonNames(static_cast<std::size_t>(areaPos))) {
        auto* item = new QListWidgetItem(ToQt(name), listBox1);
        item->setSizeHint({listBox1->viewport()->width(), rowHeight});
    }
}

void TFormDungEnt::EnterChosen() {
    const QList<QListWidgetItem*> selected = listBox1->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const int row = listBox1->row(selected.front());
    const int number = choice.DungeonNumber(static_cast<std::size_t>(comboBox1->currentIndex()),
                                            static_cast<std::size_t>(row));
    Decided();
    proxy.Enter(number);
}

void TFormDungEnt::ReturnChosen() {
    Decided();
    proxy.Return();
}

void TFormDungEnt::Decided() {
    decided = true;
    // Hosted as a child window, the screen goes with it.
    QWidget* host = parentWidget() ? parentWidget() : this;
    host->close();
}

void TFormDungEnt::closeEvent(QCloseEvent* event) {
    // The player must choose a dungeon or the village first.
    if (decided) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TFormDungEnt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    comboBox1->setFocus();
}
