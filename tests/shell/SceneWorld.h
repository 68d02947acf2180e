#pragma once

#include "actors/Dungactfactory.h"
#include "actors/Hero.h"
#include "actors/Herosbase.h"
#include "actors/Itemacter.h"
#include "scene/Dx7matrix.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/Statusview.h"
#include "support/EnemyFloor.h"
#include "support/TempFolder.h"
#include "support/TestBundle.h"
#include "support/TestContent.h"
#include "support/TestMap.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// The real application on the test platform and content, playing a floor
// drawn in text with the real heroine on it, seen through the camera the
// draw master sets up on the null engine: the status view and the pointer
// as the game runs them, headless.
class SceneWorld : public testing::Test {
protected:
    SceneWorld() {
        InstallTestContent(folder.Path());
        app = std::make_unique<TApp>(mainWindow, platform.Bundle(), "Tessarine.ini");
        record.hp = record.maxHp = 5;
        record.attack = record.defence = 2;
        record.level = record.baseLevel = 1;
        record.next = 5;
    }
    ~SceneWorld() override {
        Operator().ClearScene();
        enemies.reset();
        app.reset();
    }

    // The floor with the heroine at (x, y) facing `dir`, with the values in
    // `record`, entered as a dungeon scene.
    TTestMap& Enter(const std::vector<std::string>& rows, int x, int y, std::uint8_t dir = 0) {
        record.x = static_cast<std::int16_t>(x);
        record.y = static_cast<std::int16_t>(y);
        record.direction = dir;
        TTestMap* entered = nullptr;
        Operator().EnterScene(
            [&] {
                auto floor = std::make_unique<TTestMap>(rows);
                floor->PutHero(Hero(), record);
                entered = floor.get();
                return floor;
            },
            THeroWhereabouts::Dungeon);
        map = entered;
        return *entered;
    }

    TEnemy& PutEnemy(int x, int y, int attack, int defence) {
        return enemies->Put(*map, x, y, DW_South, {EnemyAIPatrol, {3, attack, defence}});
    }
    // Equipment of the test content (1 a sword of attack 3, 2 armour of
    // defence 2, 3 a shield of attack -1 and defence 1) lying on (x, y).
    TItemActer& PutEquipment(int x, int y, std::uint8_t id, std::uint8_t synthesis = 0) {
        TSaveItem item;
        item.kind = 2;
        item.id = id;
        item.maxDurability = item.durability = 5;
        item.synthesis = synthesis;
        auto lying = TDungActFactory::Instance().NewEquipmentOnFloor(item);
        TItemActer& placed = *lying;
        map->Block(x, y).SetItem(std::move(lying));
        placed.PlaceOn(&map->Block(x, y));
        return placed;
    }

    TDungOperator& Operator() const { return app->DungOperator(); }
    TStatusView& Status() const { return Operator().StatusView(); }
    THero& Hero() const { return THerosBase::Instance().GetHero(); }
    TFakeGameWindow& Window() const { return *platform.gameWindow; }
    std::string Label(TStatusLabel label) const { return Window().labels[label]; }
    TOneMat ViewProj() const {
        TOneMat viewProj;
        Operator().Engine().GetViewProj(viewProj);
        return viewProj;
    }
    // Where the centre of a cell's top face lies in the 3D view.
    TScreenPoint ScreenOf(int x, int y) const {
        const TOneMat cell = MatProduct(map->Block(x, y).GetMat(), ViewProj());
        return *ProjectToScreen(cell, 0.0f, 1.0f, 0.0f, 491, 504);
    }

    TTempFolder folder;
    TTestPlatform platform;
    TFakeMainWindow mainWindow;
    std::unique_ptr<TApp> app;
    TSaveHero record;
    TTestMap* map = nullptr;
    std::unique_ptr<TEnemyFloor> enemies = std::make_unique<TEnemyFloor>();
};
