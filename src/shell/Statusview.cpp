#include "shell/Statusview.h"

#include "activemap/Activemap.h"
#include "actors/Fighter.h"
#include "actors/Hero.h"
#include "actors/Itemacter.h"
#include "platform/SjisText.h"
#include "scene/Dx7matrix.h"
#include "world/Dungblock.h"

#include <algorithm>

namespace {

// A cell's top corners in its own coordinates: north-west, south-east.
constexpr float FarLeftCorner[3] = {-1.0f, 1.0f, 1.0f};
constexpr float NearRightCorner[3] = {1.0f, 1.0f, -1.0f};

// Pictures of the comparison list.
constexpr int AttackJustEnough = 0;
constexpr int AttackTooWeak = 1;
constexpr int DefenceJustHolds = 2;
constexpr int DefencePierced = 3;
constexpr int AttackToSpare = 4;
constexpr int DefenceToSpare = 5;

const char* const NothingLookedAt = "外部プロパティ";

std::string Number(int value) {
    return std::to_string(value);
}

// The enemy standing on the block, or none: looked at before an item under it.
IDungActer* EnemyOn(const TDungBlock& block) {
    IDungActer* guest = block.GetGuest();
    return guest && guest->GetKind() == TActerKind::Enemy ? guest : nullptr;
}

} // namespace

TStatusView::TStatusView(IGameWindow& gameWindow, THero& heroine)
    : window(gameWindow), hero(heroine) {}

void TStatusView::BindMap(const IActiveMap& map) {
    view = window.ViewSize().value_or(TViewSize{});
    cells.SetMap(&map);
    ShowEnemy(nullptr);
    ShowHero(hero);
}

void TStatusView::UnbindMap() {
    ShowEnemy(nullptr);
    cells.SetMap(nullptr);
}

void TStatusView::Write(TStatusLabel label, const std::string& sjisText) {
    window.SetStatusText(label, sjisText);
}

void TStatusView::WriteNumber(TStatusLabel label, int value) {
    Write(label, Number(value));
}

void TStatusView::ShowHero(THero& shown) {
    if (!shown.IsPlaced()) {
        // No floor has given her values yet.
        for (const TStatusLabel label :
             {TStatusLabel::HeroHP, TStatusLabel::HeroMaxHP, TStatusLabel::HeroAttack,
              TStatusLabel::HeroDefence, TStatusLabel::HeroLevel, TStatusLabel::HeroNext}) {
            Write(label, {});
        }
        return;
    }
    WriteNumber(TStatusLabel::HeroHP, shown.GetHP());
    WriteNumber(TStatusLabel::HeroMaxHP, shown.GetMaxHP());
    WriteNumber(TStatusLabel::HeroLevel, shown.GetLevel());
    WriteNumber(TStatusLabel::HeroAttack, shown.GetAttack());
    WriteNumber(TStatusLabel::HeroDefence, shown.GetDefence());
    WriteNumber(TStatusLabel::HeroNext, shown.Record().next);
}

void TStatusView::UpdateHeroPower(THero& shown) {
    WriteNumber(TStatusLabel::HeroAttack, shown.GetAttack());
    WriteNumber(TStatusLabel::HeroDefence, shown.GetDefence());
    UpdateComparison();
}

void TStatusView::UpdateNext(THero& shown) {
    WriteNumber(TStatusLabel::HeroNext, shown.Record().next);
}

void TStatusView::UpdateComparison() {
    if (shownEnemy) {
        CompareEnemy();
    } else {
        CompareItem();
    }
}

void TStatusView::ForgetItem(const TItemActer& item) {
    if (&item == shownItem) {
        ShowItem(nullptr);
    }
}

void TStatusView::ShowRemark(const std::string& sjisText) {
    window.ShowRemark(sjisText);
}

void TStatusView::ShowLevelUp(bool on) {
    window.ShowLevelUp(on);
}

void TStatusView::ShowCollapsed(bool on) {
    window.ShowCollapsed(on);
}

void TStatusView::ShowRecovered(bool on) {
    window.ShowRecovered(on);
}

void TStatusView::ShowSwordBroken(bool on) {
    window.ShowSwordBroken(on);
}

void TStatusView::ShowLevelReached(int level, bool on) {
    window.ShowLevelReached(level, on);
}

void TStatusView::UpdateHP(TFighter& fighter) {
    if (&fighter == &hero) {
        WriteNumber(TStatusLabel::HeroHP, fighter.GetHP());
    } else if (&fighter == shownEnemy) {
        WriteNumber(TStatusLabel::LookedHP, fighter.GetHP());
    }
}

void TStatusView::Forget(TFighter& fighter) {
    if (&fighter == shownEnemy && &fighter != &hero) {
        ShowEnemy(nullptr);
    }
}

void TStatusView::ShowEnemy(TFighter* enemy) {
    shownEnemy = enemy;
    shownItem = nullptr;
    Write(TStatusLabel::LookedCaption, enemy ? enemy->GetName() : Sjis(NothingLookedAt));
    Write(TStatusLabel::LookedHPCaption, "HP");
    if (enemy) {
        WriteNumber(TStatusLabel::LookedHP, enemy->GetHP());
        WriteNumber(TStatusLabel::LookedMaxHP, enemy->GetMaxHP());
        WriteNumber(TStatusLabel::LookedAttack, enemy->GetAttack());
        WriteNumber(TStatusLabel::LookedDefence, enemy->GetDefence());
    } else {
        for (const TStatusLabel label : {TStatusLabel::LookedHP, TStatusLabel::LookedMaxHP,
                                         TStatusLabel::LookedAttack, TStatusLabel::LookedDefence}) {
            Write(label, {});
        }
    }
    CompareEnemy();
}

void TStatusView::ShowItem(TItemActer* item) {
    shownEnemy = nullptr;
    shownItem = item;
    const IItemImp* lying = item ? item->GetItem() : nullptr;
    Write(TStatusLabel::LookedCaption, lying ? lying->GetDisplayName() : Sjis(NothingLookedAt));
    Write(TStatusLabel::LookedHPCaption, "HP");
    for (const TStatusLabel label : {TStatusLabel::LookedHP, TStatusLabel::LookedMaxHP,
                                     TStatusLabel::LookedAttack, TStatusLabel::LookedDefence}) {
        Write(label, {});
    }
    if (const TItem_Equip* piece = lying ? lying->AsEquipment() : nullptr) {
        if (piece->GetType() == EQ_Sword) {
            WriteNumber(TStatusLabel::LookedHP, piece->GetRecord().durability);
            WriteNumber(TStatusLabel::LookedMaxHP, piece->GetRecord().maxDurability);
            WriteNumber(TStatusLabel::LookedAttack, piece->GetPower());
            Write(TStatusLabel::LookedHPCaption, Sjis("耐久"));
        } else {
            WriteNumber(TStatusLabel::LookedDefence, piece->GetDefenceValue());
        }
    }
    CompareItem();
}

void TStatusView::CompareEnemy() {
    if (!shownEnemy) {
        Write(TStatusLabel::AttackMargin, {});
        Write(TStatusLabel::DefenceMargin, {});
        window.ShowComparison(std::nullopt);
        return;
    }
    TComparisonPicture picture;
    // A hit wounds only when the attack is greater than the defence.
    const int a = shownEnemy->GetDefence() - hero.GetAttack();
    if (a == -1) {
        picture.left = AttackJustEnough;
        Write(TStatusLabel::AttackMargin, {});
    } else if (a < -1) {
        picture.left = AttackToSpare;
        WriteNumber(TStatusLabel::AttackMargin, -a - 1);
    } else {
        picture.left = AttackTooWeak;
        WriteNumber(TStatusLabel::AttackMargin, a + 1);
    }
    const int enemyAttack = shownEnemy->GetAttack();
    const int b = enemyAttack - hero.GetDefence();
    if (enemyAttack == 0) {
        // An enemy without attack, such as an obstacle block, is not compared.
        Write(TStatusLabel::DefenceMargin, {});
    } else if (b == 0) {
        picture.right = DefenceJustHolds;
        Write(TStatusLabel::DefenceMargin, {});
    } else if (b > 0) {
        picture.right = DefencePierced;
        WriteNumber(TStatusLabel::DefenceMargin, b);
    } else {
        picture.right = DefenceToSpare;
        WriteNumber(TStatusLabel::DefenceMargin, -b);
    }
    window.ShowComparison(picture);
}

void TStatusView::CompareItem() {
    const IItemImp* lying = shownItem ? shownItem->GetItem() : nullptr;
    const TItem_Equip* piece = lying ? lying->AsEquipment() : nullptr;
    TComparisonPicture picture;
    if (!piece) {
        Write(TStatusLabel::AttackMargin, {});
        Write(TStatusLabel::DefenceMargin, {});
    } else {
        const IItemImp* worn = hero.Equipped(piece->GetType());
        const TItem_Equip* wornPiece = worn ? worn->AsEquipment() : nullptr;
        const int e = wornPiece ? wornPiece->GetPower() : 0;
        const int d = wornPiece ? wornPiece->GetDefenceValue() : 0;
        const int c = piece->GetPower();
        const int n = piece->GetDefenceValue();
        if (c == e) {
            Write(TStatusLabel::AttackMargin, {});
        } else {
            picture.left = c > e ? AttackToSpare : AttackTooWeak;
            WriteNumber(TStatusLabel::AttackMargin, c > e ? c - e : e - c);
        }
        if (n == d) {
            Write(TStatusLabel::DefenceMargin, {});
        } else {
            picture.right = n > d ? DefenceToSpare : DefencePierced;
            WriteNumber(TStatusLabel::DefenceMargin, n > d ? n - d : d - n);
        }
    }
    window.ShowComparison(shownItem ? std::optional<TComparisonPicture>(picture) : std::nullopt);
}

void TStatusView::ShowBlockContents(const TDungBlock& block) {
    if (IDungActer* enemy = EnemyOn(block)) {
        ShowEnemy(enemy->AsFighter());
    } else if (TItemActer* item = block.GetItem()) {
        ShowItem(item);
    }
}

void TStatusView::ShowBlockContentsAt(const IMatrix& viewProj, int x, int y) {
    if (const TDungBlock* block = BlockAtScreen(viewProj, x, y)) {
        ShowBlockContents(*block);
    }
}

IDungActer* TStatusView::ThingAtScreen(const IMatrix& viewProj, int x, int y) {
    const TDungBlock* block = BlockAtScreen(viewProj, x, y);
    if (!block) {
        return nullptr;
    }
    if (IDungActer* enemy = EnemyOn(*block)) {
        return enemy;
    }
    return block->GetItem();
}

bool TStatusView::CornersSpan(TDungBlock& block, const IMatrix& viewProj, bool rows, int at) const {
    const TOneMat cell = MatProduct(block.GetMat(), viewProj);
    const auto farLeft = ProjectToScreen(cell, FarLeftCorner[0], FarLeftCorner[1], FarLeftCorner[2],
                                         view.width, view.height);
    const auto nearRight = ProjectToScreen(cell, NearRightCorner[0], NearRightCorner[1],
                                           NearRightCorner[2], view.width, view.height);
    if (!farLeft || !nearRight) {
        return false;
    }
    const int from = rows ? farLeft->y : farLeft->x;
    const int to = rows ? nearRight->y : nearRight->x;
    return std::min(from, to) <= at && at <= std::max(from, to);
}

TDungBlock* TStatusView::BlockAtScreen(const IMatrix& viewProj, int x, int y) {
    TDungBlock* head = cells.FirstRowHeads();
    while (head && !CornersSpan(*head, viewProj, true, y)) {
        head = cells.Next();
    }
    if (!head) {
        return nullptr;
    }
    for (TDungBlock* block = cells.FirstInRow(head->GetY()); block; block = cells.Next()) {
        if (CornersSpan(*block, viewProj, false, x)) {
            return block;
        }
    }
    return nullptr;
}
