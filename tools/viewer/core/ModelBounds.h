#pragma once

#include "scene/D3dfile.h"
#include "scene/Dx7matinit.h"

#include <array>

// The box around everything a view shows, in world coordinates.
struct TBounds {
    std::array<float, 3> low{0.0f, 0.0f, 0.0f};
    std::array<float, 3> high{0.0f, 0.0f, 0.0f};
    bool empty = true;

    void Add(float x, float y, float z);
    std::array<float, 3> Centre() const;
    // Half the diagonal; 0 when empty.
    float Radius() const;
};

// Adds every vertex of the model, placed by its frame matrices and `world`.
void AddModel(TBounds& bounds, const CD3DFile& model, const TMatValues& world);
