#include "SimChoices.h"

#include "SimInput.h"
#include "core/SimErrors.h"
#include "core/SimScript.h"
#include "village/qt/Fm_dungent.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace {

// Clicks the entry at `row` of `list`, which must show it.
void ClickRow(QListWidget& list, int row) {
    const QRect at = list.visualItemRect(list.item(row));
    if (at.isEmpty()) {
        throw TSimFailure("entry " + std::to_string(row) + " of " +
                          list.objectName().toStdString() + " is not on screen");
    }
    SendClickAt(*list.viewport(), at.center(), Qt::LeftButton);
}

} // namespace

void AnswerEntrance(TFormDungEnt& screen, const TSimCommand& answer) {
    if (!answer.name.empty()) {
        SendClick(*screen.Button2(), Qt::LeftButton);
        return;
    }
    QComboBox& areas = *screen.ComboBox1();
    if (answer.number >= areas.count()) {
        throw TSimFailure("the entrance screen offers " + std::to_string(areas.count()) +
                          " areas, no area at position " + std::to_string(answer.number));
    }
    // The area list keeps the keyboard: from the first area down.
    SendKey(areas, QtKeyOf("Home", false), true);
    for (int i = 0; i < answer.number; ++i) {
        SendKey(areas, QtKeyOf("Down", false), true);
    }
    QListWidget& dungeons = *screen.ListBox1();
    if (answer.second >= dungeons.count()) {
        throw TSimFailure("the area " + areas.currentText().toStdString() + " offers " +
                          std::to_string(dungeons.count()) + " dungeons, none at position " +
                          std::to_string(answer.second));
    }
    ClickRow(dungeons, answer.second);
    SendClick(*screen.Button1(), Qt::LeftButton);
}

std::string OfferedAreas(const TFormDungEnt& screen) {
    std::string names;
    const QComboBox& areas = *screen.ComboBox1();
    for (int i = 0; i < areas.count(); ++i) {
        names += (i > 0 ? "," : "") + areas.itemText(i).toStdString();
    }
    return names;
}

void ChooseTalk(QListWidget& choices, int index) {
    if (!choices.isVisible()) {
        throw TSimFailure("no talk choices on screen");
    }
    if (index >= choices.count()) {
        throw TSimFailure("the talk offers " + std::to_string(choices.count()) +
                          " choices, none at position " + std::to_string(index));
    }
    ClickRow(choices, index);
}
