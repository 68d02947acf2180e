#include "save/qt/Fm_save.h"

#include "save/Saveform.h"
#include "shell/qt/ScreenPlace.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>

namespace {

constexpr int RowHeight = 18;

QString CaptionStyle(QColor background) {
    return QStringLiteral("QLabel { background-color: %1; color: black; }").arg(background.name());
}

} // namespace

TFormSave::TFormSave(TSaveForm& saveForm, QWidget* parent)
    : QDialog(parent), form(saveForm), caption(new QLabel(this)), list(new QTreeWidget(this)),
      pageUp(new QToolButton(this)), pageDown(new QToolButton(this)), pageNumber(new QLabel(this)),
      decide(new QPushButton(QStringLiteral("決定"), this)),
      cancel(new QPushButton(QStringLiteral("キャンセル"), this)) {
    setFixedSize(264, 326);

    caption->setObjectName(QStringLiteral("Caption"));
    caption->setGeometry(8, 8, 248, 30);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bold = caption->font();
    bold.setPixelSize(16);
    bold.setBold(true);
    caption->setFont(bold);

    list->setObjectName(QStringLiteral("SlotList"));
    list->setGeometry(8, 46, 248, 10 * RowHeight + 26);
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("番号"), QStringLiteral("セーブ日時")});
    list->header()->setSectionsMovable(false);
    list->header()->setSectionResizeMode(QHeaderView::Fixed);
    list->setColumnWidth(0, 64);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < SlotsPerPage; ++row) {
        auto* item = new QTreeWidgetItem(list);
        item->setSizeHint(0, QSize(0, RowHeight));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }

    auto* pageLabel = new QLabel(QStringLiteral("ページ"), this);
    pageLabel->setGeometry(8, 258, 44, 24);
    pageUp->setObjectName(QStringLiteral("PageUp"));
    pageUp->setArrowType(Qt::UpArrow);
    pageUp->setGeometry(52, 256, 18, 14);
    pageDown->setObjectName(QStringLiteral("PageDown"));
    pageDown->setArrowType(Qt::DownArrow);
    pageDown->setGeometry(52, 270, 18, 14);
    pageNumber->setObjectName(QStringLiteral("PageNumber"));
    pageNumber->setGeometry(76, 258, 60, 24);

    decide->setGeometry(96, 292, 75, 25);
    cancel->setGeometry(180, 292, 75, 25);

    connect(pageUp, &QToolButton::clicked, this, [this] { TurnPage(1); });
    connect(pageDown, &QToolButton::clicked, this, [this] { TurnPage(-1); });
    connect(list, &QTreeWidget::itemSelectionChanged, this, &TFormSave::RowClicked);
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] {
        RowClicked();
        DecideCommand();
    });
    connect(decide, &QPushButton::clicked, this, &TFormSave::DecideCommand);
    connect(cancel, &QPushButton::clicked, this, &TFormSave::reject);
}

void TFormSave::ShowModal() {
    Refill();
    PlaceCentred(*this);
    exec();
}

void TFormSave::Refill() {
    const bool saving = form.Mode() == TSaveMode::Save;
    const QString mode = saving ? QStringLiteral("セーブ") : QStringLiteral("ロード");
    setWindowTitle(mode);
    caption->setText(mode);
    caption->setStyleSheet(CaptionStyle(saving ? QColor(192, 220, 192) : QColor(255, 196, 225)));
    pageNumber->setText(QString::number(form.ShownPage()));
    const TFileBlock& block = form.ShownBlock();
    const QSignalBlocker quiet(list);
    list->clearSelection();
    for (int row = 0; row < SlotsPerPage; ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        item->setText(0, QString::number(SlotOf(form.ShownPage(), row)));
        const auto& written = block.times[static_cast<std::size_t>(row)];
        item->setText(1, written ? QString::fromStdString(SlotDateText(*written)) : QString());
    }
    if (form.SelectedRow() >= 0) {
        list->setCurrentItem(list->topLevelItem(form.SelectedRow()));
    } else {
        list->setCurrentItem(nullptr);
    }
}

void TFormSave::TurnPage(int step) {
    if (form.ShowPage(form.ShownPage() + step)) {
        Refill();
    }
}

void TFormSave::RowClicked() {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    form.Select(selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front()));
}

void TFormSave::DecideCommand() {
    if (form.Decide()) {
        accept();
    }
}

void TFormSave::closeEvent(QCloseEvent* event) {
    form.Close();
    QDialog::closeEvent(event);
}

void TFormSave::reject() {
    form.Close();
    QDialog::reject();
}
