#pragma once

#include "village/Entrancechoice.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;
class TEntranceScreenBase;

// The dungeon entrance screen "ダンジョン入口": an area, then one of its
// dungeons, or the way back to the village. It cannot be closed before the
// player has chosen one or the other.
class TFormDungEnt final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 284;
    static constexpr int ClientHeight = 189;

    // Opens on the preselected area of `choice`.
    TFormDungEnt(TEntranceScreenBase& proxy, TEntranceChoice choice, QWidget* parent = nullptr);

    QComboBox* ComboBox1() const { return comboBox1; }
    QListWidget* ListBox1() const { return listBox1; }
    QPushButton* Button1() const { return button1; }
    QPushButton* Button2() const { return button2; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowDungeons(int areaPos);
    // "決定" or a double-click: the selected dungeon, if one is selected.
    void EnterChosen();
    void ReturnChosen();
    // The screen has done its part: it closes, with its window.
    void Decided();

    TEntranceScreenBase& proxy;
    TEntranceChoice choice;
    bool decided = false;
    QComboBox* comboBox1 = nullptr;
    QListWidget* listBox1 = nullptr;
    QPushButton* button1 = nullptr;
    QPushButton* button2 = nullptr;
};
