#pragma once

#include "activemap/Scenechanger.h"

#include <functional>
#include <string>

// Notes the changes of scene asked for, in order. A test that plays them
// sets what the dungeon operator would do for them.
class TRecordingScenes final : public ISceneChanger {
public:
    void ChangeFloor() override {
        calls += "floor ";
        if (changeFloor) {
            changeFloor();
        }
    }
    void ChangeVillageArea() override {
        calls += "area ";
        if (changeVillageArea) {
            changeVillageArea();
        }
    }
    void EndDungeonVisit() override {
        calls += "end ";
        if (endDungeonVisit) {
            endDungeonVisit();
        }
    }
    void ShowEntrance() override {
        calls += "entrance ";
        if (showEntrance) {
            showEntrance();
        }
    }
    void RefreshCursor() override { calls += "cursor "; }
    std::string calls;
    std::function<void()> changeFloor;
    std::function<void()> endDungeonVisit;
    std::function<void()> changeVillageArea;
    std::function<void()> showEntrance;
};
