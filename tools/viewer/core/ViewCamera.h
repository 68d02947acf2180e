#pragma once

#include "scene/Dx7matrix.h"
#include "viewer/core/ModelBounds.h"

class I3DEngine;

// Where the viewer looks from: the camera tilts down by `pitch` and stands
// as close as it can while the subject's box, turned, stays within 85% of
// the view; `turn` spins the subject about the vertical axis through its
// centre.
struct TViewCamera {
    float pitch = 30.0f;
    float turn = 0.0f;
    // Above 1 moves closer.
    float zoom = 1.0f;

    // Camera, projection (the game's, with near and far planes around the
    // subject) and ApplyView.
    void Apply(I3DEngine& engine, const TBounds& bounds) const;
    // The matrix that turns the subject; multiplied after its world matrix.
    TOneMat TurnMatrix(const TBounds& bounds) const;

private:
    void Place(I3DEngine& engine, const TBounds& bounds, float distance) const;
    bool Fits(I3DEngine& engine, const TBounds& bounds, float distance) const;
};
