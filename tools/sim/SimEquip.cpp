#include "SimEquip.h"

#include "SimInput.h"
#include "actors/qt/Fm_equip.h"
#include "actors/qt/Prx_formequip.h"
#include "core/SimErrors.h"
#include "core/SimScript.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <string>

namespace {

TFormEquip& OpenScreen(TPrx_FormEquip* screen, const TSimCommand& command) {
    if (!screen || !screen->IsShown()) {
        throw TSimFailure("no equipment screen open for " + command.text);
    }
    return *screen->Form();
}

void ClickRow(QTreeWidget& list, int row, const char* what) {
    QTreeWidgetItem* item = list.topLevelItem(row);
    if (!item) {
        throw TSimFailure("the equipment screen has no " + std::string(what) + " row " +
                          std::to_string(row) + " (it lists " +
                          std::to_string(list.topLevelItemCount()) + ")");
    }
    SendClickAt(*list.viewport(), QRectF(list.visualItemRect(item)).center(), Qt::LeftButton);
}

void Press(TFormEquip& form, const char* name) {
    auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button || !button->isVisible() || !button->isEnabled()) {
        std::string why = "the equipment screen's \"" +
                          (button ? button->text().toStdString() : std::string(name)) +
                          "\" is hidden or disabled";
        if (form.Panel4()->isVisible()) {
            why += "; the synthesis says: " + form.Label8()->text().toStdString();
        }
        throw TSimFailure(why);
    }
    SendClick(*button, Qt::LeftButton);
}

} // namespace

void PlayEquip(TPrx_FormEquip* screen, const TSimCommand& command) {
    TFormEquip& form = OpenScreen(screen, command);
    if (command.name == "off") {
        ClickRow(*form.ListView1(), command.number - 1, "worn");
        Press(form, "Button2");
    } else {
        ClickRow(*form.ListView2(), command.number, "carried");
        Press(form, "Button1");
    }
}

void PlayUnite(TPrx_FormEquip* screen, const TSimCommand& command) {
    TFormEquip& form = OpenScreen(screen, command);
    Press(form, "Button3");
    for (const int row : {command.number, command.second}) {
        ClickRow(*form.ListView2(), row, "carried");
        Press(form, "Button1");
    }
    Press(form, "Button7");
    if (form.Label8()->text() != QStringLiteral("合成が完了しました")) {
        throw TSimFailure("the synthesis did not end: " + form.Label8()->text().toStdString());
    }
}
