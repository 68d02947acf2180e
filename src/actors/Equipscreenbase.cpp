#include "actors/Equipscreenbase.h"

#include "actors/Hero.h"
#include "actors/Herooutput.h"

void TEquipScreenBase::Show(int x, int y) {
    selectedCarried = selectedEquipped = NoRow;
    unite.Cancel();
    Refill();
    ShowUnitePanel(unite.Panel());
    OpenDialog(x, y);
}

void TEquipScreenBase::Close() {
    if (IsShown()) {
        CloseDialog();
    }
}

void TEquipScreenBase::Refill() {
    TEquipContents contents = EquipContentsOf(hero);
    if (selectedCarried >= static_cast<int>(contents.carried.size())) {
        selectedCarried = NoRow;
    }
    contents.selectedCarried = selectedCarried;
    contents.selectedEquipped = selectedEquipped;
    ShowContents(contents);
    ShowDifferences(DifferencesOf(hero, SelectedItem()));
}

void TEquipScreenBase::SelectCarried(int row) {
    selectedCarried = row >= 0 && static_cast<std::size_t>(row) < hero.ItemCount() ? row : NoRow;
    ShowDifferences(DifferencesOf(hero, SelectedItem()));
}

void TEquipScreenBase::SelectEquipped(int row) {
    selectedEquipped = row >= 0 && row < EquipPlaceCount ? row : NoRow;
}

IItemImp* TEquipScreenBase::SelectedItem() const {
    return selectedCarried == NoRow ? nullptr
                                    : &hero.ItemAt(static_cast<std::size_t>(selectedCarried));
}

void TEquipScreenBase::EquipSelected() {
    switch (unite.Mode()) {
    case TUniteMode::Choosing:
        unite.Choose(SelectedItem());
        ShowUnitePanel(unite.Panel());
        return;
    case TUniteMode::Done:
        return;
    case TUniteMode::Idle:
        if (selectedCarried != NoRow && hero.Equip(static_cast<std::size_t>(selectedCarried))) {
            Refill();
        }
        return;
    }
}

void TEquipScreenBase::UnequipSelected() {
    if (unite.Mode() != TUniteMode::Idle || selectedEquipped == NoRow) {
        return;
    }
    if (hero.Unequip(selectedEquipped + 1)) {
        Refill();
    }
}

void TEquipScreenBase::StartSynthesis() {
    if (!MayUniteSwords(hero)) {
        return;
    }
    unite.Start();
    ShowUnitePanel(unite.Panel());
}

void TEquipScreenBase::ExecuteSynthesis() {
    IItemImp* absorbed = unite.Execute(hero);
    ShowUnitePanel(unite.Panel());
    if (!absorbed) {
        return;
    }
    // The rows below the absorbed sword move up: no row stays selected.
    selectedCarried = NoRow;
    hero.RemoveItem(hero.PositionOf(absorbed));
    Refill();
    hero.View().UpdateHeroPower(hero);
}

void TEquipScreenBase::CancelSynthesis() {
    unite.Cancel();
    ShowUnitePanel(unite.Panel());
}
