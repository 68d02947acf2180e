#include "SimEquip.h"

#include "SimInput.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "actors/Itemimp.h"
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

// A row further down than the list shows is scrolled into view first, as the
// player scrolls the list to reach it.
void ClickRow(QTreeWidget& list, int row, const char* what) {
    QTreeWidgetItem* item = list.topLevelItem(row);
    const std::string named = std::string(what) + " row " + std::to_string(row);
    if (!item) {
        throw TSimFailure("the equipment screen has no " + named + " (it lists " +
                          std::to_string(list.topLevelItemCount()) + ")");
    }
    list.scrollToItem(item);
    SendClickAt(*list.viewport(), QRectF(list.visualItemRect(item)).center(), Qt::LeftButton);
    if (list.currentItem() != item || !item->isSelected()) {
        throw TSimFailure("the click on the equipment screen's " + named + " did not select it");
    }
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

std::string Cell(const QTreeWidget& list, int row, int column) {
    return list.topLevelItem(row)->text(column).toStdString();
}

// The carried row's mark: "E" while she wears it.
bool ShownWorn(const TFormEquip& form, int row) {
    return Cell(*form.ListView2(), row, 0) == "E";
}

// Why "▲" left the selected carried item off her.
std::string EquipRefusal(const TPrx_FormEquip& screen, const std::string& name) {
    const THero& hero = THerosBase::Instance().GetHero();
    const IItemImp& item = *screen.SelectedItem();
    switch (hero.EquipRefusalFor(item)) {
    case THero::TEquipRefusal::NotEquipment:
        return name + " is no equipment";
    case THero::TEquipRefusal::LevelTooLow:
        return name + " needs level " + std::to_string(item.AsEquipment()->GetRequiredLevel()) +
               " and she is level " + std::to_string(hero.GetLevel());
    case THero::TEquipRefusal::None:
        break;
    }
    return "\"▲\" did not put on " + name;
}

void PutOn(const TPrx_FormEquip& screen, TFormEquip& form, int row) {
    ClickRow(*form.ListView2(), row, "carried");
    const bool wornBefore = ShownWorn(form, row);
    Press(form, "Button1");
    if (!wornBefore && ShownWorn(form, row)) {
        return;
    }
    const std::string name = Cell(*form.ListView2(), row, 1);
    throw TSimFailure(wornBefore ? "she already wears " + name : EquipRefusal(screen, name));
}

void TakeOff(const TPrx_FormEquip& screen, TFormEquip& form, int place) {
    const int row = place - 1;
    ClickRow(*form.ListView1(), row, "worn");
    const std::string worn = Cell(*form.ListView1(), row, 1);
    Press(form, "Button2");
    if (worn.empty()) {
        throw TSimFailure("she wears nothing in place " + std::to_string(place));
    }
    if (!Cell(*form.ListView1(), row, 1).empty()) {
        throw TSimFailure("\"▼\" did not take off " + worn +
                          (screen.SynthesisMode() == TUniteMode::Idle
                               ? std::string()
                               : std::string(": the synthesis panel is open")));
    }
}

// The names in the synthesis panel's rows: the base and the sword it absorbs.
std::pair<std::string, std::string> ChosenSwords(const TFormEquip& form) {
    return {Cell(*form.ListView3(), 0, 0), Cell(*form.ListView3(), 1, 0)};
}

// "▲" during a synthesis chooses the carried row's sword; a choice the panel
// does not take fails with the panel's message.
void Choose(TFormEquip& form, int row) {
    ClickRow(*form.ListView2(), row, "carried");
    const auto before = ChosenSwords(form);
    Press(form, "Button1");
    if (ChosenSwords(form) == before) {
        throw TSimFailure("the synthesis did not take carried row " + std::to_string(row) + ": " +
                          form.Label8()->text().toStdString());
    }
}

} // namespace

void PlayEquip(TPrx_FormEquip* screen, const TSimCommand& command) {
    TFormEquip& form = OpenScreen(screen, command);
    if (command.name == "off") {
        TakeOff(*screen, form, command.number);
        return;
    }
    switch (screen->SynthesisMode()) {
    case TUniteMode::Idle:
        PutOn(*screen, form, command.number);
        return;
    case TUniteMode::Choosing:
        Choose(form, command.number);
        return;
    case TUniteMode::Done:
        ClickRow(*form.ListView2(), command.number, "carried");
        Press(form, "Button1");
        throw TSimFailure(
            "the synthesis is over: \"▲\" chooses nothing until \"終了\" puts its panel away");
    }
}

void PlayUnite(TPrx_FormEquip* screen, const TSimCommand& command) {
    TFormEquip& form = OpenScreen(screen, command);
    Press(form, "Button3");
    for (const int row : {command.number, command.second}) {
        Choose(form, row);
    }
    Press(form, "Button7");
    if (form.Label8()->text() != QStringLiteral("合成が完了しました")) {
        throw TSimFailure("the synthesis did not end: " + form.Label8()->text().toStdString());
    }
}
