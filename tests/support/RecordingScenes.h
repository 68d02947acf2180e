#pragma once

#include "activemap/Scenechanger.h"

#include <string>

// Notes the changes of scene asked for, in order.
class TRecordingScenes final : public ISceneChanger {
public:
    void ChangeFloor() override { calls += "floor "; }
    void ChangeVillageArea() override { calls += "area "; }
    void EndDungeonVisit() override { calls += "end "; }
    void ShowEntrance() override { calls += "entrance "; }
    void RefreshCursor() override { calls += "cursor "; }
    std::string calls;
};
