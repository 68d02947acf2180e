#pragma once

#include "scene/Dx7matrix.h"
#include "viewer/core/ModelBounds.h"

#include <string>
#include <vector>

class I3DEngine;

// What the viewer shows: one model file, or an acter with its parts and
// motions. Texts are UTF-8, for the window.
class TViewSubject {
public:
    virtual ~TViewSubject() = default;

    // Draws everything, each world matrix followed by `turn`.
    virtual void Draw(I3DEngine& engine, const TOneMat& turn) const = 0;
    // Around everything drawn now, before turning.
    virtual TBounds Bounds() const = 0;
    // The tree of frames and meshes, or of parts, one line per node,
    // indented by depth.
    virtual std::vector<std::string> Outline() const = 0;
    virtual std::vector<std::string> MotionNames() const { return {}; }
    virtual void PlayMotion(int) {}
    virtual void StopMotion() {}
    // One game tick of the motion playing.
    virtual void Step() {}
    virtual void ResetPose() {}
};
