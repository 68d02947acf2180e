#include "support/TestMap.h"

#include "activemap/Activemapproxy.h"
#include "actors/Hero.h"
#include "support/RecordingAutoMapping.h"
#include "support/RecordingStatus.h"
#include "world/Dungwall.h"

#include <algorithm>

class TTestMap::TTestState final : public IState_AMap {
public:
    TTestState(TTestMap& owner, MapState_Type stateType) : map(owner), type(stateType) {}
    IActiveMap& GetMap() const override { return map; }
    void Enter() override {}
    MapState_Type GetType() const override { return type; }

private:
    TTestMap& map;
    MapState_Type type;
};

namespace {

std::unique_ptr<IDungActer> WallObjeOf(char cell) {
    switch (cell) {
    case '#':
        return std::make_unique<TDungWall>(nullptr);
    case 'C':
        return std::make_unique<TCounter>(nullptr);
    case 'B':
        return std::make_unique<TTestOnOff>(TActerKind::Box, false, 5);
    case 'D':
        return std::make_unique<TTestOnOff>(TActerKind::Door, false, 0);
    case 'd':
        return std::make_unique<TTestOnOff>(TActerKind::Door, true, 0);
    default:
        return nullptr;
    }
}

} // namespace

TTestMap::TTestMap(std::initializer_list<std::string_view> rows, bool isVillage)
    : village(isVillage) {
    Build(rows);
}

TTestMap::TTestMap(const std::vector<std::string>& rows, bool isVillage) : village(isVillage) {
    Build(std::vector<std::string_view>(rows.begin(), rows.end()));
}

void TTestMap::Build(const std::vector<std::string_view>& rows) {
    int y = 0;
    for (const std::string_view line : rows) {
        std::vector<TDungBlock*>& row = grid.emplace_back();
        for (int x = 0; x < static_cast<int>(line.size()); ++x) {
            const char cell = line[static_cast<std::size_t>(x)];
            auto block = std::make_unique<TDungBlock>();
            block->SetUpBlock(x, y, WallObjeOf(cell), nullptr);
            if (cell >= '1' && cell <= '9') {
                auto& room = rooms[cell - '0'];
                if (!room) {
                    room = std::make_unique<TRoom>(cell - '0');
                }
                room->AddBlock(block.get());
                block->SetRoom(room.get());
            }
            row.push_back(block.get());
            blocks.push_back(std::move(block));
        }
        ++y;
    }
    for (int type = msWaitInput; type <= msHeroTurn; ++type) {
        const auto stateType = static_cast<MapState_Type>(type);
        states[stateType] = std::make_unique<TTestState>(*this, stateType);
    }
    current = states[msWaitInput].get();
    // A test that made its own proxy keeps it; otherwise the map brings one.
    ownsProxy = !TActiveMapProxy::HasInstance();
    if (ownsProxy) {
        TActiveMapProxy::CreateInstance(nullptr);
    }
    ownsStatus = !IFighterStatus::HasInstance();
    if (ownsStatus) {
        IFighterStatus::AdoptInstance(std::make_unique<TRecordingStatus>());
    }
    ownsAutoMapping = !IAutoMapping::HasInstance();
    if (ownsAutoMapping) {
        IAutoMapping::AdoptInstance(std::make_unique<TQuietAutoMapping>());
    }
    TActiveMapProxy::Instance().SetMap(this);
    for (auto& [number, room] : rooms) {
        room->FinishRoom();
    }
}

TTestMap::~TTestMap() {
    TActiveMapProxy::Instance().SetMap(nullptr);
    if (ownsAutoMapping) {
        IAutoMapping::ReleaseInstance();
    }
    if (ownsStatus) {
        IFighterStatus::ReleaseInstance();
    }
    if (ownsProxy) {
        TActiveMapProxy::ReleaseInstance();
    }
}

TTestFighter& TTestMap::Place(TActerKind kind, int x, int y, std::uint8_t dir,
                              TFighterStatsInit stats, int ticksPerMotion) {
    auto fighter = std::make_unique<TTestFighter>(kind, dir, stats, ticksPerMotion);
    TDungBlock& block = Block(x, y);
    fighter->PlaceFighter(&block);
    block.SetGuest(fighter.get());
    fighter->MoveTo(&block);
    fighter->SetState(fighter->StateOf(kind == TActerKind::Hero ? das_Wait : das_Standby));
    fighters.push_back(std::move(fighter));
    return *fighters.back();
}

TTestFighter& TTestMap::PlaceHero(int x, int y, std::uint8_t dir, TFighterStatsInit stats,
                                  int ticksPerMotion) {
    TTestFighter& fighter = Place(TActerKind::Hero, x, y, dir, stats, ticksPerMotion);
    hero = &fighter;
    return fighter;
}

void TTestMap::PutHero(THero& heroine, TSaveHero& record) {
    TDungBlock& block = Block(record.x, record.y);
    block.SetGuest(&heroine);
    heroine.PlaceHero(&block, record);
    hero = realHero = &heroine;
}

TTestFighter& TTestMap::PlaceEnemy(int x, int y, std::uint8_t dir, TFighterStatsInit stats,
                                   int ticksPerMotion) {
    TTestFighter& enemy = Place(TActerKind::Enemy, x, y, dir, stats, ticksPerMotion);
    enemies.push_back(&enemy);
    return enemy;
}

void TTestMap::RemoveItemRecord(const std::uint8_t* record) {
    if (village) {
        IActiveMap::RemoveItemRecord(record);
    } else {
        forgottenItems.push_back(record);
    }
}

void TTestMap::RemoveObjectRecord(const std::uint8_t* record) {
    if (village) {
        IActiveMap::RemoveObjectRecord(record);
    } else {
        forgottenObjects.push_back(record);
    }
}

void TTestMap::AddPendingObject(IDungActer& actor) {
    if (village) {
        IActiveMap::AddPendingObject(actor);
    }
    pending.Add(actor);
}

void TTestMap::AddTimedSwitch(IDungActer& floarSwitch) {
    if (village) {
        IActiveMap::AddTimedSwitch(floarSwitch);
    }
    timedSwitches.push_back(&floarSwitch);
}

void TTestMap::PassTurn() {
    std::erase_if(timedSwitches, [](IDungActer* timed) { return timed->TurnPassed(); });
}

int TTestMap::UpdateUntilIdle(int limit) {
    for (int updates = 1; updates <= limit; ++updates) {
        Update();
        if (lastIdle) {
            return updates;
        }
    }
    return -1;
}

void TTestMap::SetState(MapState_Type type) {
    current = states.at(type).get();
    stateChanges.push_back(type);
    current->Enter();
}

void TTestMap::Update() {
    const bool heroIdle = hero ? hero->Tick() : true;
    const bool allIdle = pending.Tick() && heroIdle;
    lastIdle = allIdle;
    // The turn states follow the heroine; a floor without her has no turns.
    if (hero) {
        current->Tick(allIdle);
    }
}
