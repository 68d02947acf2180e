#include "actors/Hero.h"

#include "activemap/Activemapproxy.h"
#include "actors/Dasthero.h"
#include "actors/Fighterstatus.h"
#include "actors/Floaracter.h"
#include "actors/Herooutput.h"
#include "actors/Itemacter.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "world/Dungblock.h"
#include "world/Mapdata.h"

#include <algorithm>
#include <stdexcept>

namespace {

// She stands in the end pose of her walk when she leaves a dungeon.
constexpr std::int16_t StandingMotion = 0;

} // namespace

THero::THero(std::unique_ptr<IActerBody> heroBody) : TFighter(std::move(heroBody)) {
    inventory.number = FirstHeroEveNumber;
    CreateStates(HeroStates(),
                 [this](DA_State id) { return std::make_unique<Tdast_Hero>(id, *this); });
}

THero::~THero() = default;

const TDAStateSet& THero::HeroStates() {
    static const TDAStateSet states = [] {
        TDAStateSet all = FighterStates();
        all.insert(all.end(), {das_ActOrder, das_Press, das_Talk, das_Unlock, das_LevelUp,
                               das_FairyMet, das_OpenBox, das_SwordBroken});
        return all;
    }();
    return states;
}

void THero::BindOutputs(IHeroView* heroView, IHeroLinks* heroLinks) {
    view = heroView;
    links = heroLinks;
}

IHeroView& THero::View() const {
    if (!view) {
        throw std::logic_error("the heroine shows her values with no game window bound");
    }
    return *view;
}

IHeroLinks& THero::Links() const {
    if (!links) {
        throw std::logic_error("the heroine's talks and treasures have no one to go to");
    }
    return *links;
}

std::uint8_t* THero::GetRecord() {
    return record ? RecordBytes(*record) : nullptr;
}

TSaveHero& THero::Record() const {
    if (!record) {
        throw std::logic_error("the heroine has no record before she is placed");
    }
    return *record;
}

int THero::ValueOf(int baseValue, bool power) const {
    int value = baseValue;
    for (int place = 1; place <= EquipPlaceCount; ++place) {
        const IItemImp* worn = Equipped(place);
        const TItem_Equip* piece = worn ? worn->AsEquipment() : nullptr;
        if (!piece) {
            continue;
        }
        // Only the sword wears out; the other places always count.
        if (place == EQ_Sword) {
            value += power ? piece->PowerIfUsable() : piece->DefenceIfUsable();
        } else {
            value += power ? piece->GetPower() : piece->GetDefenceValue();
        }
    }
    return value;
}

int THero::GetAttack() {
    return ValueOf(TFighter::GetAttack(), true);
}

int THero::GetDefence() {
    return ValueOf(TFighter::GetDefence(), false);
}

void THero::PlaceHero(TDungBlock* onBlock, TSaveHero& heroRecord) {
    record = &heroRecord;
    PlaceFighter(onBlock);
    SetState(StateOf(das_Wait));
    Reserve(StateOf(das_Wait));
}

void THero::OrderMove(std::uint8_t dir) {
    ReserveOrder(das_MoveOrder, dir);
}

void THero::OrderDash(std::uint8_t dir) {
    ReserveOrder(das_Dash, dir);
}

void THero::OrderStop() {
    ReserveOrder(das_Wait, 0);
}

void THero::OrderAction() {
    ReserveOrder(das_ActOrder, 0);
}

DA_State THero::TakeOrder(bool run) {
    const IDA_State* order = GetReserved();
    if (!run) {
        SetState(NullState());
        moved = false;
    } else if (order && order->GetId() == das_MoveOrder) {
        const std::uint8_t dir = order->GetParam();
        if (dir == GetDirection()) {
            SetState(StateOf(das_Walk));
        } else {
            IDA_State* turn = StateOf(das_Turn);
            turn->SetParam(dir);
            SetState(turn);
        }
    } else {
        TakeReserved();
    }
    return GetStateId();
}

void THero::AddItem(std::unique_ptr<IItemImp> item) {
    if (!item) {
        throw std::logic_error("the heroine was handed no item");
    }
    inventory.items.push_back({item->GetRecord(), 0, 0});
    items.push_back(std::move(item));
}

std::size_t THero::PositionOf(const IItemImp* item) const {
    const auto found = std::find_if(items.begin(), items.end(),
                                    [item](const auto& held) { return held.get() == item; });
    return static_cast<std::size_t>(found - items.begin());
}

void THero::RemoveItem(std::size_t position) {
    IItemImp* item = items.at(position).get();
    for (int place = 1; place <= EquipPlaceCount; ++place) {
        if (Equipped(place) == item) {
            Unequip(place);
        }
    }
    const auto offset = static_cast<std::ptrdiff_t>(position);
    items.erase(items.begin() + offset);
    inventory.items.erase(inventory.items.begin() + offset);
}

bool THero::HasKey(std::uint8_t id) const {
    return OwnsItem(BI_Key, id, false);
}

bool THero::OwnsItem(std::uint8_t kind, std::uint8_t id, bool skipDungeonOnly) const {
    return std::any_of(items.begin(), items.end(), [&](const auto& item) {
        return item->GetKind() == kind && item->GetId() == id &&
               !(skipDungeonOnly && item->GetCarryFlag() == CF_DungeonOnly);
    });
}

bool THero::UseKey(int id) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i]->GetKind() == BI_Key && items[i]->GetId() == id) {
            RemoveItem(i);
            return true;
        }
    }
    return false;
}

void THero::RemoveItemByKind(std::uint8_t kind, std::uint8_t id) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i]->GetKind() == kind && items[i]->GetId() == id) {
            RemoveItem(i);
            return;
        }
    }
}

IItemImp* THero::Equipped(int place) const {
    return place >= 1 && place <= EquipPlaceCount ? places[static_cast<std::size_t>(place - 1)]
                                                  : nullptr;
}

THero::TEquipRefusal THero::EquipRefusalFor(const IItemImp& item) const {
    const TItem_Equip* piece = item.AsEquipment();
    if (!piece) {
        return TEquipRefusal::NotEquipment;
    }
    return GetLevel() < piece->GetRequiredLevel() ? TEquipRefusal::LevelTooLow
                                                  : TEquipRefusal::None;
}

bool THero::Equip(std::size_t position) {
    if (position >= items.size() || EquipRefusalFor(*items[position]) != TEquipRefusal::None) {
        return false;
    }
    IItemImp* item = items[position].get();
    const TItem_Equip* piece = item->AsEquipment();
    const int type = piece->GetType();
    if (type < 1 || type > EquipPlaceCount) {
        throw TGameError(Sjis("装備実行エラー"));
    }
    Unequip(type);
    places[static_cast<std::size_t>(type - 1)] = item;
    inventory.items[position].equipped = 1;
    ShowPart(FirstEquipPart + type - 1, true);
    View().UpdateHeroPower(*this);
    return true;
}

bool THero::Unequip(int place) {
    IItemImp* worn = Equipped(place);
    if (!worn) {
        return false;
    }
    places[static_cast<std::size_t>(place - 1)] = nullptr;
    const std::size_t position = PositionOf(worn);
    if (position == items.size()) {
        throw TGameError(Sjis("装備はずし実行エラー"));
    }
    inventory.items[position].equipped = 0;
    ShowPart(FirstEquipPart + place - 1, false);
    View().UpdateHeroPower(*this);
    return true;
}

void THero::StrengthenSword(std::size_t position) {
    TItem_Equip* sword = items.at(position)->AsEquipment();
    if (!sword || sword->GetType() != EQ_Sword) {
        throw std::logic_error("only a sword can absorb another");
    }
    sword->AddSynthesis();
    AddSynthesisTo(inventory.items[position].item);
}

void THero::DropEverything() {
    items.clear();
    inventory.items.clear();
    places = {};
    for (int place = 1; place <= EquipPlaceCount; ++place) {
        ShowPart(FirstEquipPart + place - 1, false);
    }
}

void THero::ClearInventory() {
    DropEverything();
    inventory.number = 0;
}

void THero::ReplaceInventory(TSaveHeroEve records, std::vector<std::unique_ptr<IItemImp>> carried) {
    if (records.items.size() != carried.size()) {
        throw std::logic_error("the heroine's items and their records differ in number");
    }
    DropEverything();
    inventory = std::move(records);
    items = std::move(carried);
}

void THero::ReequipMarked() {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (inventory.items[i].equipped != 0) {
            Equip(i);
        }
    }
}

void THero::LeaveDungeon(bool dead) {
    std::size_t i = 0;
    while (i < items.size()) {
        IItemImp& item = *items[i];
        const std::uint8_t flag = item.TakeCarryFlag();
        if (flag != CF_Permanent && (dead || flag != CF_KeptIfAlive)) {
            RemoveItem(i);
            continue;
        }
        TSaveItem& kept = inventory.items[i].item;
        kept.carryFlag = item.GetCarryFlag();
        if (item.Repair()) {
            RepairRecord(kept);
        }
        ++i;
    }
    for (TTreasurePair& pair : Record().treasures) {
        if (!dead && pair.eventNo != 0) {
            Links().TreasureBroughtBack(pair.eventNo, pair.itemPosition);
        }
        pair = {};
    }
    for (int place = 1; place <= EquipPlaceCount; ++place) {
        Unequip(place);
    }
    if (IActerBody* heroBody = GetBody()) {
        heroBody->ResetPose();
        heroBody->RunMotionToEnd(StandingMotion);
    }
}

void THero::ReceiveTreasure(std::unique_ptr<IItemImp> item, TTreasurePair pair) {
    if (!item) {
        throw std::logic_error("a chest handed the heroine no treasure");
    }
    const std::string name = item->GetDisplayName();
    AddItem(std::move(item));
    for (TTreasurePair& free : Record().treasures) {
        if (free.eventNo == 0) {
            free = pair;
            break;
        }
    }
    View().ShowRemark(name + Sjis(" を手に入れた"));
}

void THero::Defeated() {
    TSaveHero& values = Record();
    // Two defeats in one turn must not wrap the count past the level-up.
    if (values.next > 0) {
        --values.next;
    }
    View().UpdateNext(*this);
    if (values.next == 0) {
        SetState(StateOf(das_LevelUp));
    }
}

void THero::LevelUp() {
    TSaveHero& values = Record();
    ++values.level;
    ++values.baseLevel;
    values.next = HeroLevelStep;
    ++values.maxHp;
    ++values.hp;
    ++values.attack;
    ++values.defence;
    View().ShowHero(*this);
    View().UpdateComparison();
}

void THero::FullHeal() {
    Record().hp = Record().maxHp;
    IFighterStatus::Instance().UpdateHP(*this);
}

int THero::ApplyForcedLevel() {
    const TDungBlock* under = GetBlock();
    if (!under || under->FloarKind() != FloarKindForcedLevel) {
        throw std::logic_error("a forced level without a forced-level floor under the heroine");
    }
    int unusedX = 0;
    int unusedY = 0;
    const int level = under->ExitDestination(Record().floar, unusedX, unusedY);
    TSaveHero& values = Record();
    values.level = values.baseLevel = static_cast<std::uint8_t>(level);
    values.next = HeroLevelStep;
    values.maxHp = values.hp = static_cast<std::uint16_t>(level + 4);
    values.attack = values.defence = static_cast<std::uint16_t>(level + 1);
    View().ShowHero(*this);
    View().UpdateComparison();
    return level;
}

int THero::FloorKindUnder() const {
    return moved && GetBlock() ? GetBlock()->FloarKind() : FloarKindNone;
}

int THero::TakeExit() {
    if (!moved || !GetBlock()) {
        return 0;
    }
    TSaveHero& values = Record();
    int toX = 0;
    int toY = 0;
    const int leadsTo = GetBlock()->ExitDestination(values.floar, toX, toY);
    if (leadsTo != 0) {
        values.floar = static_cast<std::uint8_t>(std::max(leadsTo, 0));
        PlaceRecord(values, toX, toY, values.direction);
    }
    return leadsTo;
}

void THero::ResetForVillage() {
    TSaveHero& values = Record();
    values.hp = values.maxHp = HeroStartHP;
    values.attack = HeroStartAttack;
    values.defence = HeroStartDefence;
    values.next = HeroLevelStep;
    values.level = HeroStartLevel;
}

bool THero::WearSword() {
    IItemImp* sword = Equipped(EQ_Sword);
    if (!sword) {
        return false;
    }
    WearRecord(inventory.items[PositionOf(sword)].item);
    return sword->Wear();
}

void THero::ArriveFromWalk(const TDungBlock* from, bool dashing) {
    TDungBlock* here = GetBlock();
    bool pickedUp = false;
    if (TItemActer* lying = here->GetItem()) {
        View().ForgetItem(*lying);
        std::unique_ptr<IItemImp> item = lying->TakeItem();
        here->DeleteItem();
        AddItem(std::move(item));
        pickedUp = true;
    }
    if (here->HasFairy()) {
        here->DeleteFairy();
        SetState(StateOf(das_FairyMet));
    }
    Links().RequestReveal();
    moved = true;
    if (dashing &&
        (pickedUp || TActiveMapProxy::Instance().DashMustStop(here, from, GetDirection()))) {
        Reserve(StateOf(das_Wait));
    }
}
