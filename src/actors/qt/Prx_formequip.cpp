#include "actors/qt/Prx_formequip.h"

#include "actors/qt/Fm_equip.h"

#include <utility>

TPrx_FormEquip::TPrx_FormEquip(THero& heroine, std::function<QWidget*()> parent)
    : TEquipScreenBase(heroine), parentWindow(std::move(parent)) {}

TPrx_FormEquip::~TPrx_FormEquip() {
    delete form;
}

TFormEquip& TPrx_FormEquip::RequireForm() {
    if (!form) {
        form = new TFormEquip(*this, parentWindow());
        form->setWindowModality(Qt::ApplicationModal);
    }
    return *form;
}

TFormEquip* TPrx_FormEquip::Form() const {
    return form;
}

bool TPrx_FormEquip::IsShown() const {
    return form && form->isVisible();
}

void TPrx_FormEquip::OpenDialog(int x, int y) {
    TFormEquip& shown = RequireForm();
    shown.move(x, y);
    shown.show();
    shown.activateWindow();
}

void TPrx_FormEquip::CloseDialog() {
    form->hide();
}

void TPrx_FormEquip::ShowContents(const TEquipContents& contents) {
    RequireForm().ShowContents(contents);
}

void TPrx_FormEquip::ShowDifferences(const TEquipDifferences& differences) {
    RequireForm().ShowDifferences(differences);
}

void TPrx_FormEquip::ShowUnitePanel(const TUnitePanel& panel) {
    RequireForm().ShowUnitePanel(panel);
}
