#pragma once

#include "scene/Matrixope.h"

#include <cstdint>

// The animated 3D body an actor owns: placed and turned through the matrix
// operations, animated by selecting motions from its list and stepping them
// once per game tick.
class IActerBody : public IMatrixOpe {
public:
    // Restarts the motion at this list position; a position outside the list
    // selects no motion.
    virtual void SetMotion(std::int16_t index) = 0;
    // No motion plays; the body keeps its present pose.
    virtual void StopMotion() = 0;
    // One tick of the current motion; true once the motion has run out.
    virtual bool Step() = 0;
    virtual void SetPartVisible(int index, bool visible) = 0;
};
