#pragma once

#include "scene/Matrixope.h"

#include <cstdint>
#include <memory>

class IObje;

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
    // Every part back to its planned pose.
    virtual void ResetPose() = 0;
    // Shows the end pose of a motion at once.
    virtual void RunMotionToEnd(std::int16_t index) = 0;
    // The scene objects the body is drawn from.
    virtual IObje& GetRoot() const = 0;
};

// Makes the bodies of actors by acter number; the number decides what the
// body looks like and which motions it has.
class IActerBodySource {
public:
    virtual ~IActerBodySource() = default;
    // A new body owned by the caller; an unknown number raises TGameError.
    virtual std::unique_ptr<IActerBody> NewBody(std::uint32_t acterNo) const = 0;
};
