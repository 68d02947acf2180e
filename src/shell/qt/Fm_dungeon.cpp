#include "shell/qt/Fm_dungeon.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/SjisText.h"
#include "shell/Gamewindowbase.h"
#include "shell/qt/Automappicture.h"
#include "shell/qt/GameFont.h"
#include "shell/qt/Gamecontrols.h"
#include "shell/qt/Memoex.h"
#include "world/Automaptiles.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <tuple>

namespace {

const QColor Navy(0, 0, 128);
const QColor SkyBlue(166, 202, 240);
const QColor ValueRed(255, 0, 0);

// Tiles of w x h cut from a picture in rows of `perRow`, left to right.
std::vector<QPixmap> CutTiles(const char* utf8Name, int count, int perRow, int w, int h) {
    const std::string name = Sjis(utf8Name);
    const std::vector<std::uint8_t> bytes = ReadWholeGameFile(name);
    QImage picture;
    if (!picture.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP") ||
        picture.width() < perRow * w || picture.height() < (count + perRow - 1) / perRow * h) {
        throw TGameError(Sjis("画像ファイルを読めません ") + name);
    }
    std::vector<QPixmap> tiles;
    for (int i = 0; i < count; ++i) {
        tiles.push_back(QPixmap::fromImage(picture.copy(i % perRow * w, i / perRow * h, w, h)));
    }
    return tiles;
}

QLabel* Caption(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A value label: right-aligned digits, on a colour when given.
QLabel* Value(QWidget* parent, const char* name, QRect place, const QColor* background = nullptr) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (background) {
        SetColours(*label, *background, Qt::white);
    }
    return label;
}

QGroupBox* Group(QWidget* parent, const QString& title, const char* name, QRect place) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(place);
    SetPixelFont(*group, 16, false);
    return group;
}

TPanel* Notice(QWidget* parent, const char* name, QRect place) {
    auto* panel = new TPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    panel->SetSingleBorder();
    panel->SetColours(Qt::black, Qt::white);
    panel->SetFontLook(15, true);
    panel->hide();
    return panel;
}

} // namespace

TGameKey GameKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        // Digits with Num Lock on; the arrows and the other keys with it off.
        switch (key) {
        case Qt::Key_1:
        case Qt::Key_End:
            return TGameKey::Pad1;
        case Qt::Key_2:
        case Qt::Key_Down:
            return TGameKey::Pad2;
        case Qt::Key_3:
        case Qt::Key_PageDown:
            return TGameKey::Pad3;
        case Qt::Key_4:
        case Qt::Key_Left:
            return TGameKey::Pad4;
        case Qt::Key_5:
        case Qt::Key_Clear:
            return TGameKey::Pad5;
        case Qt::Key_6:
        case Qt::Key_Right:
            return TGameKey::Pad6;
        case Qt::Key_7:
        case Qt::Key_Home:
            return TGameKey::Pad7;
        case Qt::Key_8:
        case Qt::Key_Up:
            return TGameKey::Pad8;
        case Qt::Key_9:
        case Qt::Key_PageUp:
            return TGameKey::Pad9;
        default:
            return TGameKey::Other;
        }
    }
    switch (key) {
    case Qt::Key_Up:
        return TGameKey::Up;
    case Qt::Key_Right:
        return TGameKey::Right;
    case Qt::Key_Down:
        return TGameKey::Down;
    case Qt::Key_Left:
        return TGameKey::Left;
    case Qt::Key_PageUp:
        return TGameKey::PageUp;
    case Qt::Key_PageDown:
        return TGameKey::PageDown;
    case Qt::Key_End:
        return TGameKey::End;
    case Qt::Key_Home:
        return TGameKey::Home;
    case Qt::Key_Space:
        return TGameKey::Space;
    case Qt::Key_A:
        return TGameKey::A;
    case Qt::Key_Q:
        return TGameKey::Q;
    case Qt::Key_W:
        return TGameKey::W;
    case Qt::Key_Z:
        return TGameKey::Z;
    case Qt::Key_R:
        return TGameKey::R;
    case Qt::Key_F1:
        return TGameKey::F1;
    default:
        return TGameKey::Other;
    }
}

TFormDung::TFormDung(TGameWindowBase& windowCommands, QWidget* parent)
    : QWidget(parent), commands(windowCommands),
      imageList1(CutTiles("Graph/マップパターン.bmp", AutomapTileCount, AutomapTilesPerRow,
                          AutomapTileSize, AutomapTileSize)),
      imageList2(CutTiles("Graph/攻撃防御.bmp", 6, 2, 35, 22)) {
    setObjectName(QStringLiteral("FormDung"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(GameFont(12));
    // The window keeps the keyboard; none of its controls takes it.
    setFocusPolicy(Qt::StrongFocus);
    BuildView();
    BuildAutomap();
    BuildHeroValues();
    BuildLookedAtValues();
    BuildCommands();
    // The talk box and the choices lie over the 3D view.
    BuildTalk();
}

void TFormDung::BuildView() {
    panel3 = new QFrame(this);
    panel3->setObjectName(QStringLiteral("Panel3"));
    panel3->setGeometry(0, 0, 491, ClientHeight);
    SetColours(*panel3, Qt::black, Qt::white);
    panel3->setMouseTracking(true);
    panel3->installEventFilter(this);
    panel4 = Notice(panel3, "Panel4", {214, 100, 97, 27});
    panel5 = Notice(panel3, "Panel5", {146, 112, 223, 27});
}

void TFormDung::BuildTalk() {
    panel1 = new TPanel(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(120, 392, 363, 93);
    panel1->hide();

    memo1 = new TMemoEx(panel1);
    memo1->setObjectName(QStringLiteral("Memo1"));
    memo1->setGeometry(1, 1, 306, 91);
    memo1->setReadOnly(true);
    memo1->setFocusPolicy(Qt::NoFocus);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColours(*memo1, Qt::black, Qt::white);
    SetPixelFont(*memo1, 19, true);
    memo1->SetMargins({5, 3, 2, 3});

    panel2 = new TPanel(panel1, QStringLiteral("▼"));
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(307, 1, 55, 91);
    panel2->SetFontLook(19, true);
    panel2->onPressed = [this](bool) { commands.ContinueCommand(); };

    listBox1 = new QListWidget(this);
    listBox1->setObjectName(QStringLiteral("ListBox1"));
    listBox1->setGeometry(348, 302, 135, 83);
    listBox1->setFocusPolicy(Qt::NoFocus);
    listBox1->setUniformItemSizes(true);
    listBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColours(*listBox1, Qt::black, Qt::white);
    SetPixelFont(*listBox1, 16, true);
    listBox1->hide();
    connect(listBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { commands.ChoiceClicked(listBox1->row(item)); });
}

void TFormDung::BuildAutomap() {
    image1 = new TAutomapPicture(imageList1, this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->move(494, 6);
    image1->installEventFilter(this);
    image1->hide();
}

void TFormDung::BuildHeroValues() {
    groupBox1 = Group(this, QStringLiteral("プロパティ"), "GroupBox1", {502, 120, 137, 119});
    Caption(groupBox1, QStringLiteral("HP"), 8, 24);
    StatusLabel(TStatusLabel::HeroHP) = Value(groupBox1, "Label6", {38, 22, 38, 20});
    Caption(groupBox1, QStringLiteral("/"), 80, 24);
    StatusLabel(TStatusLabel::HeroMaxHP) = Value(groupBox1, "Label7", {88, 22, 38, 20});
    Caption(groupBox1, QStringLiteral("攻撃"), 8, 46);
    StatusLabel(TStatusLabel::HeroAttack) = Value(groupBox1, "Label8", {56, 44, 70, 20}, &ValueRed);
    Caption(groupBox1, QStringLiteral("防御"), 8, 68);
    StatusLabel(TStatusLabel::HeroDefence) = Value(groupBox1, "Label9", {56, 66, 70, 20}, &Navy);
    Caption(groupBox1, QStringLiteral("レベル"), 8, 92);
    StatusLabel(TStatusLabel::HeroLevel) = Value(groupBox1, "Label10", {52, 90, 18, 20});
    Caption(groupBox1, QStringLiteral("NEXT"), 74, 92);
    StatusLabel(TStatusLabel::HeroNext) = Value(groupBox1, "Label23", {112, 90, 18, 20});
}

void TFormDung::BuildLookedAtValues() {
    groupBox2 = Group(this, QStringLiteral("敵のプロパティ"), "GroupBox2", {650, 394, 137, 107});
    QLabel* hp = Caption(groupBox2, QStringLiteral("HP"), 8, 22);
    hp->setObjectName(QStringLiteral("Label11"));
    StatusLabel(TStatusLabel::LookedHPCaption) = hp;
    StatusLabel(TStatusLabel::LookedHP) = Value(groupBox2, "Label16", {38, 20, 38, 20});
    Caption(groupBox2, QStringLiteral("/"), 80, 22);
    StatusLabel(TStatusLabel::LookedMaxHP) = Value(groupBox2, "Label17", {88, 20, 38, 20});
    Caption(groupBox2, QStringLiteral("攻撃"), 8, 42);
    StatusLabel(TStatusLabel::LookedAttack) = Value(groupBox2, "Label18", {56, 40, 70, 18}, &Navy);
    Caption(groupBox2, QStringLiteral("防御"), 8, 60);
    StatusLabel(TStatusLabel::LookedDefence) =
        Value(groupBox2, "Label19", {56, 58, 70, 18}, &ValueRed);

    auto* clear = new TSpeedButton(groupBox2, QStringLiteral("クリア"), 0);
    clear->setObjectName(QStringLiteral("SpeedButton12"));
    clear->setGeometry(8, 80, 50, 22);
    connect(clear, &QToolButton::clicked, this, [this] { commands.ClearCommand(); });

    image2 = new QLabel(groupBox2);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setGeometry(62, 80, 67, 22);
    SetColours(*image2, Qt::black, Qt::white);
    for (const auto& [label, name, left] :
         {std::tuple{TStatusLabel::AttackMargin, "LabelAtkCan", 0},
          std::tuple{TStatusLabel::DefenceMargin, "LabelDefCan", 35}}) {
        // Between the picture's icon and its mark.
        auto* number = new QLabel(image2);
        number->setObjectName(QString::fromLatin1(name));
        number->setGeometry(left + 12, 0, 13, 22);
        number->setAlignment(Qt::AlignCenter);
        number->setAttribute(Qt::WA_TranslucentBackground);
        QPalette white = number->palette();
        white.setColor(QPalette::WindowText, Qt::white);
        number->setPalette(white);
        SetPixelFont(*number, 12, true);
        StatusLabel(label) = number;
    }
}

QLabel*& TFormDung::StatusLabel(TStatusLabel label) {
    return statusLabels[static_cast<std::size_t>(label)];
}

void TFormDung::ShowStatusText(TStatusLabel label, const QString& text) {
    if (label == TStatusLabel::LookedCaption) {
        groupBox2->setTitle(text);
        return;
    }
    StatusLabel(label)->setText(text);
}

void TFormDung::ShowComparison(const std::optional<TComparisonPicture>& picture) {
    if (!picture) {
        image2->hide();
        return;
    }
    QPixmap drawn(image2->size());
    drawn.fill(Qt::black);
    QPainter painter(&drawn);
    for (const auto& [index, left] : {std::pair{picture->left, 0}, std::pair{picture->right, 35}}) {
        if (index >= 0 && index < static_cast<int>(imageList2.size())) {
            painter.drawPixmap(left, 0, imageList2[static_cast<std::size_t>(index)]);
        }
    }
    painter.end();
    image2->setPixmap(drawn);
    image2->show();
}

TSpeedButton* TFormDung::MoveButton(QWidget* parent, const char* name, const QString& caption,
                                    int tag, int left, int top) {
    auto* button = new TSpeedButton(parent, caption, tag);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, 38, 38);
    button->onPressed = [this, tag](bool leftButton) {
        commands.MoveButtonPressed(static_cast<std::uint8_t>(tag), leftButton);
    };
    button->onReleased = [this] { commands.StopCommand(); };
    return button;
}

void TFormDung::BuildCommands() {
    auto* panel6 = new TPanel(this);
    panel6->setObjectName(QStringLiteral("Panel6"));
    panel6->setGeometry(502, 262, 137, 239);
    panel6->SetBevels(TBevel::Lowered, TBevel::Raised);

    MoveButton(panel6, "SpeedButton2", QStringLiteral("↑"), 0, 50, 116);
    MoveButton(panel6, "SpeedButton6", QStringLiteral("／"), 4, 88, 116);
    MoveButton(panel6, "SpeedButton3", QStringLiteral("→"), 1, 88, 154);
    MoveButton(panel6, "SpeedButton7", QStringLiteral("＼"), 5, 88, 192);
    MoveButton(panel6, "SpeedButton4", QStringLiteral("↓"), 2, 50, 192);
    MoveButton(panel6, "SpeedButton8", QStringLiteral("／"), 6, 12, 192);
    MoveButton(panel6, "SpeedButton5", QStringLiteral("←"), 3, 12, 154);
    MoveButton(panel6, "SpeedButton9", QStringLiteral("＼"), 7, 12, 116);

    auto* action = new TSpeedButton(panel6, QStringLiteral("◆"), 0);
    action->setObjectName(QStringLiteral("SpeedButton1"));
    action->setGeometry(50, 154, 38, 38);
    SetPixelFont(*action, 24, false);
    action->onPressed = [this](bool) { commands.ActionCommand(); };
    action->onReleased = [this] { commands.StopCommand(); };

    const auto clickButton = [&](const char* name, const QString& caption, int tag, QRect place,
                                 void (TGameWindowBase::*command)()) {
        auto* button = new TSpeedButton(panel6, caption, tag);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(place);
        connect(button, &QToolButton::clicked, this, [this, command] { (commands.*command)(); });
    };
    clickButton("SpeedButton10", QStringLiteral("アイテム"), 0, {12, 42, 115, 27},
                &TGameWindowBase::ItemCommand);
    clickButton("SpeedButton11", QStringLiteral("セーブ"), 1, {12, 10, 57, 23},
                &TGameWindowBase::SaveCommand);
    clickButton("SpeedButton13", QStringLiteral("ロード"), 2, {70, 10, 57, 23},
                &TGameWindowBase::LoadCommand);

    panel7 = new TPanel(panel6, QStringLiteral("高速モード"));
    panel7->setObjectName(QStringLiteral("Panel7"));
    panel7->setGeometry(12, 80, 115, 29);
    panel7->onClicked = [this] { commands.FastModeCommand(); };
}

void TFormDung::closeEvent(QCloseEvent* event) {
    event->accept();
    if (whenClosed) {
        auto notify = std::move(whenClosed);
        whenClosed = nullptr;
        notify();
    }
}

void TFormDung::keyPressEvent(QKeyEvent* event) {
    commands.KeyPressed(GameKeyOf(*event), event->modifiers() & Qt::ControlModifier);
}

void TFormDung::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as pairs of release and press; only the last
    // release lets go of it.
    if (event->isAutoRepeat()) {
        return;
    }
    commands.KeyReleased(GameKeyOf(*event), event->modifiers() & Qt::ControlModifier);
}

void TFormDung::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    commands.ForgetHeldKeys();
}

bool TFormDung::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (watched == image1) {
        if (type == QEvent::MouseButtonPress) {
            commands.AutomapPressed(at.x(), at.y());
        }
    } else if (type == QEvent::MouseButtonPress) {
        commands.ViewPressed(at.x(), at.y(), mouse->button() == Qt::LeftButton);
    } else if (type == QEvent::MouseMove) {
        commands.ViewMoved(at.x(), at.y());
    } else {
        commands.ViewReleased(at.x(), at.y());
    }
    return false;
}
