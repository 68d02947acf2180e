#pragma once

#include "actors/Equiprows.h"
#include "actors/Swordunite.h"

#include <QDialog>
#include <QPixmap>
#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class TEquipScreenBase;

// The equipment screen "装備": what the heroine wears and carries, the
// buttons that put on and take off, her totals with the difference the
// selected item would make, and the synthesis panel. Every input goes to the
// proxy's commands; the proxy fills it.
class TFormEquip final : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 664;
    static constexpr int ClientHeight = 352;

    TFormEquip(TEquipScreenBase& commands, QWidget* parent = nullptr);

    void ShowContents(const TEquipContents& contents);
    void ShowDifferences(const TEquipDifferences& differences);
    void ShowUnitePanel(const TUnitePanel& panel);

    QTreeWidget* ListView1() const { return listView1; }
    QTreeWidget* ListView2() const { return listView2; }
    QTreeWidget* ListView3() const { return listView3; }
    QWidget* Panel4() const { return panel4; }
    QLabel* Label8() const { return label8; }
    // The three 14 x 14 kind icons: sword, type 2, type 3.
    const std::vector<QPixmap>& ImageList() const { return imageList; }

private:
    void BuildLists();
    void BuildButtons();
    void BuildProperties();
    void BuildUnitePanel();
    QTreeWidget* ListView(const char* name, const QStringList& captions,
                          const std::vector<int>& widths, QWidget* parent);
    QPushButton* Button(const char* name, const QString& caption, QWidget* parent);
    // Selects a row without telling the proxy: it knows.
    static void SelectQuietly(QTreeWidget& list, int row);

    TEquipScreenBase& commands;
    QTreeWidget* listView1 = nullptr;
    QTreeWidget* listView2 = nullptr;
    QPushButton* button1 = nullptr;
    QPushButton* button2 = nullptr;
    QPushButton* button3 = nullptr;
    QPushButton* button5 = nullptr;
    QGroupBox* groupBox1 = nullptr;
    QLabel* attackTotal = nullptr;
    QLabel* defenceTotal = nullptr;
    QLabel* attackDifference = nullptr;
    QLabel* defenceDifference = nullptr;
    QWidget* panel4 = nullptr;
    QLabel* label8 = nullptr;
    QTreeWidget* listView3 = nullptr;
    QPushButton* button7 = nullptr;
    QPushButton* button8 = nullptr;
    std::vector<QPixmap> imageList;
};
