#pragma once

// The changes of scene a map asks for from inside its turn; the dungeon
// operator performs them.
class ISceneChanger {
public:
    virtual ~ISceneChanger() = default;
    virtual void ChangeFloor() = 0;
    virtual void ChangeVillageArea() = 0;
    virtual void EndDungeonVisit() = 0;
    virtual void ShowEntrance() = 0;
    virtual void RefreshCursor() = 0;
};
