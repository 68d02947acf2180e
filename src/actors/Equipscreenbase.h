#pragma once

#include "actors/Equiprows.h"
#include "actors/Equipscreen.h"
#include "actors/Swordunite.h"

class IItemImp;
class THero;

// The equipment screen's proxy apart from the window: what its lists, panels
// and buttons show and what every button does. The window tells it which
// rows the player selects; the platform's proxy adds the window.
class TEquipScreenBase : public IEquipScreen {
public:
    // `heroine` must outlive the screen.
    explicit TEquipScreenBase(THero& heroine) : hero(heroine) {}

    void Show(int x, int y) final;
    void Close() final;

    // The player selected a row of the carried list or of the equipped list
    // (NoRow for none). A carried row shows what it would change.
    void SelectCarried(int row);
    void SelectEquipped(int row);
    // The carried item of the selected row, or null.
    IItemImp* SelectedItem() const;

    // "▲": puts on the selected item, or chooses it while swords are being
    // combined.
    void EquipSelected();
    // "▼": takes off what is worn in the selected place, except during a
    // synthesis.
    void UnequipSelected();
    // "ソードユナイト", only while she carries the tool for it.
    void StartSynthesis();
    // "実行".
    void ExecuteSynthesis();
    // "ｷｬﾝｾﾙ" or "終了".
    void CancelSynthesis();

    TUniteMode SynthesisMode() const { return unite.Mode(); }

protected:
    // The window's side.
    virtual void OpenDialog(int x, int y) = 0;
    virtual void CloseDialog() = 0;
    virtual void ShowContents(const TEquipContents& contents) = 0;
    virtual void ShowDifferences(const TEquipDifferences& differences) = 0;
    virtual void ShowUnitePanel(const TUnitePanel& panel) = 0;

private:
    // Shows everything as it now stands; a selection beyond the lists goes.
    void Refill();

    THero& hero;
    TSwordUnite unite;
    int selectedCarried = NoRow;
    int selectedEquipped = NoRow;
};
