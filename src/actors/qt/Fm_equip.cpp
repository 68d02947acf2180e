#include "actors/qt/Fm_equip.h"

#include "actors/Equipscreenbase.h"
#include "platform/qt/QtText.h"
#include "shell/qt/GameArt.h"
#include "shell/qt/Gamecontrols.h"

#include <QBitmap>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

constexpr int IconSize = 14;
constexpr int IconCount = 3;
// The width of the name column: what the other columns and the scroll bar,
// when it shows, leave.
constexpr int Rest = 0;

// Cut from the program's art: the background colour is its top-left pixel.
std::vector<QPixmap> KindIcons() {
    const QImage strip = GameArtPicture(QStringLiteral("equipicons.bmp"));
    QPixmap all = QPixmap::fromImage(strip);
    all.setMask(QBitmap::fromImage(strip.createMaskFromColor(strip.pixel(0, 0))));
    std::vector<QPixmap> icons;
    for (int i = 0; i < IconCount; ++i) {
        icons.push_back(all.copy(i * IconSize, 0, IconSize, IconSize));
    }
    return icons;
}

// Every row of the lists as tall as its text or its kind icon, with room
// around them.
void SetRowHeight(QTreeWidgetItem& item) {
    const QTreeWidget& list = *item.treeWidget();
    item.setSizeHint(0, {0, ListRowHeight(list, IconSize)});
}

// Name, attack, defence and durability from `first` on, the numbers centred.
void SetEquipRow(QTreeWidgetItem& item, int first, const TEquipRowText& row) {
    item.setText(first, ToQt(row.name));
    const QString numbers[] = {ToQt(row.attack), ToQt(row.defence), ToQt(row.durability)};
    for (int i = 0; i < 3; ++i) {
        item.setText(first + 1 + i, numbers[i]);
        item.setTextAlignment(first + 1 + i, Qt::AlignCenter);
    }
}

QLabel* ValueLabel(QWidget* parent, const char* name, const QColor& background, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(left, top, 56, 18);
    SetPixelFont(*label, 14, true);
    SetColours(*label, background, Qt::white);
    return label;
}

} // namespace

TFormEquip::TFormEquip(TEquipScreenBase& screenCommands, QWidget* parent)
    : QDialog(parent), commands(screenCommands), imageList(KindIcons()) {
    setObjectName(QStringLiteral("FormEquip"));
    setWindowTitle(QStringLiteral("装備"));
    setFixedSize(ClientWidth, ClientHeight);
    BuildLists();
    BuildButtons();
    BuildProperties();
    BuildUnitePanel();
}

QTreeWidget* TFormEquip::ListView(const char* name, const QStringList& captions,
                                  const std::vector<int>& widths, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(static_cast<int>(captions.size()));
    list->setHeaderLabels(captions);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setIconSize(QSize(IconSize, IconSize));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->header()->setSectionsMovable(false);
    list->header()->setSectionsClickable(false);
    list->header()->setStretchLastSection(false);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const int column = static_cast<int>(i);
        if (widths[i] == Rest) {
            list->header()->setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            list->setColumnWidth(column, widths[i]);
        }
    }
    return list;
}

QPushButton* TFormEquip::Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void TFormEquip::BuildLists() {
    listView1 = ListView("ListView1",
                         {QString(), QStringLiteral("名前"), QStringLiteral("攻"),
                          QStringLiteral("防"), QStringLiteral("耐久")},
                         {30, Rest, 44, 44, 60}, this);
    listView1->setGeometry(8, 8, 400, 80);
    for (int place = 0; place < IconCount; ++place) {
        auto* row = new QTreeWidgetItem(listView1);
        row->setIcon(0, imageList[static_cast<std::size_t>(place)]);
        SetRowHeight(*row);
    }
    connect(listView1, &QTreeWidget::itemSelectionChanged, this, [this] {
        QTreeWidgetItem* row = listView1->currentItem();
        commands.SelectEquipped(row && row->isSelected() ? listView1->indexOfTopLevelItem(row)
                                                         : NoRow);
    });

    listView2 = ListView("ListView2",
                         {QStringLiteral("種"), QStringLiteral("名前"), QStringLiteral("効果"),
                          QStringLiteral("耐久"), QStringLiteral("持")},
                         {40, Rest, 44, 60, 32}, this);
    listView2->setGeometry(8, 124, 400, 220);
    connect(listView2, &QTreeWidget::itemSelectionChanged, this, [this] {
        QTreeWidgetItem* row = listView2->currentItem();
        commands.SelectCarried(row && row->isSelected() ? listView2->indexOfTopLevelItem(row)
                                                        : NoRow);
    });
}

void TFormEquip::BuildButtons() {
    button1 = Button("Button1", QStringLiteral("▲"), this);
    button1->setGeometry(8, 94, 48, 24);
    connect(button1, &QPushButton::clicked, this, [this] { commands.EquipSelected(); });
    button2 = Button("Button2", QStringLiteral("▼"), this);
    button2->setGeometry(60, 94, 48, 24);
    connect(button2, &QPushButton::clicked, this, [this] { commands.UnequipSelected(); });
    button3 = Button("Button3", QStringLiteral("ソードユナイト"), this);
    button3->setGeometry(296, 94, 112, 24);
    connect(button3, &QPushButton::clicked, this, [this] { commands.StartSynthesis(); });
    button5 = Button("Button5", QStringLiteral("閉じる"), this);
    button5->setGeometry(416, 316, 240, 28);
    connect(button5, &QPushButton::clicked, this, [this] { commands.Close(); });
}

void TFormEquip::BuildProperties() {
    groupBox1 = new QGroupBox(QStringLiteral("プロパティ"), this);
    groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1->setGeometry(416, 4, 240, 110);
    auto* attackCaption = new QLabel(QStringLiteral("攻撃力"), groupBox1);
    attackCaption->setGeometry(16, 22, 60, 18);
    attackTotal = ValueLabel(groupBox1, "AttackTotal", Qt::red, 84, 22);
    auto* defenceCaption = new QLabel(QStringLiteral("防御力"), groupBox1);
    defenceCaption->setGeometry(16, 64, 60, 18);
    defenceTotal = ValueLabel(groupBox1, "DefenceTotal", QColor(0, 0, 128), 84, 64);
    attackDifference = new QLabel(groupBox1);
    attackDifference->setObjectName(QStringLiteral("AttackDifference"));
    attackDifference->setGeometry(84, 42, 140, 18);
    defenceDifference = new QLabel(groupBox1);
    defenceDifference->setObjectName(QStringLiteral("DefenceDifference"));
    defenceDifference->setGeometry(84, 84, 140, 18);
    for (QLabel* difference : {attackDifference, defenceDifference}) {
        SetPixelFont(*difference, 14, true);
    }
}

void TFormEquip::BuildUnitePanel() {
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel4 = frame;
    panel4->setObjectName(QStringLiteral("Panel4"));
    panel4->setGeometry(416, 120, 240, 160);
    label8 = new QLabel(panel4);
    label8->setObjectName(QStringLiteral("Label8"));
    label8->setGeometry(8, 6, 224, 20);
    SetPixelFont(*label8, 12, true);
    listView3 = ListView("ListView3",
                         {QStringLiteral("名前"), QStringLiteral("攻"), QStringLiteral("防"),
                          QStringLiteral("耐久")},
                         {Rest, 32, 32, 48}, panel4);
    listView3->setGeometry(8, 30, 224, 80);
    listView3->setSelectionMode(QAbstractItemView::NoSelection);
    listView3->setFocusPolicy(Qt::NoFocus);
    for (int row = 0; row < 2; ++row) {
        SetRowHeight(*new QTreeWidgetItem(listView3));
    }
    button7 = Button("Button7", QStringLiteral("実行"), panel4);
    button7->setGeometry(8, 122, 108, 28);
    connect(button7, &QPushButton::clicked, this, [this] { commands.ExecuteSynthesis(); });
    button8 = Button("Button8", QStringLiteral("ｷｬﾝｾﾙ"), panel4);
    button8->setGeometry(124, 122, 108, 28);
    connect(button8, &QPushButton::clicked, this, [this] { commands.CancelSynthesis(); });
    panel4->hide();
}

void TFormEquip::SelectQuietly(QTreeWidget& list, int row) {
    const QSignalBlocker quiet(&list);
    list.clearSelection();
    QTreeWidgetItem* item = row == NoRow ? nullptr : list.topLevelItem(row);
    list.setCurrentItem(item);
    if (item) {
        item->setSelected(true);
    }
}

void TFormEquip::ShowContents(const TEquipContents& contents) {
    for (int place = 0; place < IconCount; ++place) {
        SetEquipRow(*listView1->topLevelItem(place), 1,
                    contents.equipped[static_cast<std::size_t>(place)]);
    }
    SelectQuietly(*listView1, contents.selectedEquipped);

    {
        const QSignalBlocker quiet(listView2);
        listView2->clear();
        for (const TCarriedRow& carried : contents.carried) {
            auto* row = new QTreeWidgetItem(
                listView2, {ToQt(carried.mark), ToQt(carried.name), ToQt(carried.effect),
                            ToQt(carried.durability), ToQt(carried.carry)});
            SetRowHeight(*row);
            if (carried.icon != NoKindIcon) {
                row->setIcon(0, imageList.at(static_cast<std::size_t>(carried.icon)));
            }
            for (const int column : {2, 3, 4}) {
                row->setTextAlignment(column, Qt::AlignCenter);
            }
        }
    }
    SelectQuietly(*listView2, contents.selectedCarried);

    button3->setVisible(contents.uniteOffered);
    button3->setEnabled(contents.uniteOffered);
    attackTotal->setText(QString::number(contents.attack));
    defenceTotal->setText(QString::number(contents.defence));
}

void TFormEquip::ShowDifferences(const TEquipDifferences& differences) {
    const std::array<std::pair<QLabel*, const TDifferenceText*>, 2> panels = {
        {{attackDifference, &differences.attack}, {defenceDifference, &differences.defence}}};
    for (const auto& [label, shown] : panels) {
        label->setText(ToQt(shown->text));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor::fromRgb(shown->colour));
        label->setPalette(palette);
    }
}

void TFormEquip::ShowUnitePanel(const TUnitePanel& panel) {
    label8->setText(ToQt(panel.instruction));
    for (int row = 0; row < 2; ++row) {
        SetEquipRow(*listView3->topLevelItem(row), 0, panel.rows[static_cast<std::size_t>(row)]);
    }
    button7->setEnabled(panel.executeEnabled);
    button8->setText(ToQt(panel.leaveCaption));
    panel4->setVisible(panel.shown);
}
