#pragma once

// Draws the active map in 3D.
class TDrawMaster {
public:
    virtual ~TDrawMaster() = default;

    // One frame of the current scene; the game loop calls it after a step.
    virtual void DrawScene() = 0;
};
