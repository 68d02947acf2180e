#include "actors/Swordunite.h"

#include "actors/Hero.h"
#include "actors/Itemimp.h"
#include "actors/Itemrecord.h"
#include "platform/SjisText.h"

TSwordUnite::TSwordUnite() {
    panel.instruction = Sjis("ベースとなる剣を選んでください");
    panel.leaveCaption = Sjis("ｷｬﾝｾﾙ");
}

void TSwordUnite::Start() {
    base = material = nullptr;
    mode = TUniteMode::Choosing;
    panel.shown = true;
    panel.instruction = Sjis("ベースとなる剣を選んでください");
    panel.rows = {};
    panel.executeEnabled = false;
    panel.leaveCaption = Sjis("ｷｬﾝｾﾙ");
}

void TSwordUnite::Choose(IItemImp* item) {
    if (!item) {
        return;
    }
    const TItem_Equip* piece = item->AsEquipment();
    if (!piece || piece->GetType() != EQ_Sword) {
        panel.instruction = Sjis("武器以外は合成できません");
        return;
    }
    if (item->GetCarryFlag() != CF_DungeonOnly) {
        panel.instruction = Sjis("持出可能武器は合成できません");
        return;
    }
    if (!base) {
        base = item;
        panel.rows[0] = EquipRowOf(item);
        panel.instruction = Sjis("合成する剣を選んでください");
        return;
    }
    if (material || item == base) {
        return;
    }
    material = item;
    panel.rows[1] = EquipRowOf(item);
    panel.instruction = Sjis("合成を実行しますか？");
    panel.executeEnabled = true;
}

IItemImp* TSwordUnite::Execute(THero& hero) {
    if (mode != TUniteMode::Choosing || !base || !material) {
        return nullptr;
    }
    hero.StrengthenSword(hero.PositionOf(base));
    IItemImp* absorbed = material;
    panel.instruction = Sjis("合成が完了しました");
    panel.rows = {EquipRowOf(base), TEquipRowText{}};
    panel.executeEnabled = false;
    panel.leaveCaption = Sjis("終了");
    base = material = nullptr;
    mode = TUniteMode::Done;
    return absorbed;
}

void TSwordUnite::Cancel() {
    // Forgotten too: the swords may be gone when the panel opens again.
    base = material = nullptr;
    mode = TUniteMode::Idle;
    panel.shown = false;
}
