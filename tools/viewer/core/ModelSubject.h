#pragma once

#include "scene/Dx7grph.h"
#include "viewer/core/ViewSubject.h"

#include <string>

// One ".x" model file, at the origin.
class TModelSubject final : public TViewSubject {
public:
    // Raises TGameError naming the file when it is missing or cannot be read.
    explicit TModelSubject(const std::string& sjisPath);

    void Draw(I3DEngine& engine, const TOneMat& turn) const override;
    TBounds Bounds() const override;
    std::vector<std::string> Outline() const override;

private:
    mutable TDX7_Xfile graphics;
};
