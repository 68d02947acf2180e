#pragma once

#include "shell/Gamekeys.h"
#include "shell/Gamewindow.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QListWidget;
class TAutomapPicture;
class TGameWindowBase;
class TMemoEx;
class TPanel;
class TSpeedButton;

// The child window in which the village and the dungeons are played: the 3D
// view with its notices, the talk box and the choices over it, the automap,
// the heroine's and the looked-at thing's values and the command buttons.
// Every input goes to the proxy's commands.
class TFormDung final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 796;
    static constexpr int ClientHeight = 504;

    // Reads the automap tiles and the comparison pictures from Graph/; a
    // missing or unreadable picture raises TGameError naming it.
    TFormDung(TGameWindowBase& commands, QWidget* parent = nullptr);

    QFrame* Panel3() const { return panel3; }
    TPanel* Panel1() const { return panel1; }
    TMemoEx* Memo1() const { return memo1; }
    TPanel* Panel2() const { return panel2; }
    QListWidget* ListBox1() const { return listBox1; }
    TPanel* Panel4() const { return panel4; }
    TPanel* Panel5() const { return panel5; }
    TPanel* Panel7() const { return panel7; }
    TAutomapPicture* Image1() const { return image1; }
    QGroupBox* GroupBox1() const { return groupBox1; }
    // 55 automap cell tiles of 5 x 5, and 6 comparison pictures of 35 x 22.
    const std::vector<QPixmap>& ImageList1() const { return imageList1; }
    const std::vector<QPixmap>& ImageList2() const { return imageList2; }

    // A value label of the two property groups, or the caption of the
    // looked-at thing's group.
    void ShowStatusText(TStatusLabel label, const QString& text);
    void ShowComparison(const std::optional<TComparisonPicture>& picture);

    // Told when the window closes, whoever closes it.
    std::function<void()> whenClosed;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildView();
    void BuildTalk();
    void BuildAutomap();
    void BuildHeroValues();
    void BuildLookedAtValues();
    void BuildCommands();
    QLabel*& StatusLabel(TStatusLabel label);
    TSpeedButton* MoveButton(QWidget* parent, const char* name, const QString& caption, int tag,
                             int left, int top);

    TGameWindowBase& commands;
    QFrame* panel3 = nullptr;
    TPanel* panel4 = nullptr;
    TPanel* panel5 = nullptr;
    TPanel* panel1 = nullptr;
    TMemoEx* memo1 = nullptr;
    TPanel* panel2 = nullptr;
    QListWidget* listBox1 = nullptr;
    TAutomapPicture* image1 = nullptr;
    QGroupBox* groupBox1 = nullptr;
    QGroupBox* groupBox2 = nullptr;
    QLabel* image2 = nullptr;
    // By TStatusLabel; none for the caption, which is groupBox2's title.
    std::array<QLabel*, StatusLabelCount> statusLabels{};
    TPanel* panel7 = nullptr;
    std::vector<QPixmap> imageList1;
    std::vector<QPixmap> imageList2;
};

// The game's key for a key event; TGameKey::Other for keys it ignores.
TGameKey GameKeyOf(const QKeyEvent& event);
