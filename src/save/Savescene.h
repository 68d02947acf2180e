#pragma once

// The scene side of saving and loading, which the dungeon operator carries
// out for the save manager.
class ISaveScene {
public:
    virtual ~ISaveScene() = default;
    // The active map writes its actors' states into their records.
    virtual void BeforeSave() = 0;
    // The loop stops, the maps, the dungeon and village saves, the game window
    // and the equipment screen go: nothing points into the state a load
    // replaces.
    virtual void PrepareLoad() = 0;
    // The loaded game resumes where the heroine was saved.
    virtual void ResumeAfterLoad() = 0;
    // A map is played in the game window: a game a failed load must give
    // back (not the title's, nor one whose window was closed).
    virtual bool GameShown() const = 0;
};
