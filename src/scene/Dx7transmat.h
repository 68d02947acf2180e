#pragma once

#include "scene/Dx7matinit.h"

// The accumulated steps of a composed matrix: each keeps a vector, adds to
// it, and rebuilds its cached matrix only after a change.

struct TMatTrans {
    float x = 0;
    float y = 0;
    float z = 0;
};

// The point a shifted rotation axis passes through: (y, z) for X, (x, z) for
// Y, (x, y) for Z.
struct TAxisShift {
    float a = 0;
    float b = 0;
};

class ITROneMat {
public:
    virtual ~ITROneMat() = default;
    // Back to the step's neutral vector, (0, 0, 0) unless the step says otherwise.
    virtual void Reset();
    void Add(float x, float y, float z);
    const TMatTrans& Vector() const { return vector; }
    // The step's matrix, rebuilt first when the vector changed.
    const TMatValues& GetMat();

protected:
    void SetVector(float x, float y, float z);
    void MarkChanged() { changed = true; }
    virtual TMatValues BuildMat() const = 0;

private:
    TMatTrans vector;
    TMatValues cache = IdentityMat();
    bool changed = false;
};

class TTRScaling : public ITROneMat {
public:
    TTRScaling() { Reset(); }
    void Reset() override;

protected:
    TMatValues BuildMat() const override;
};

class TTRPosition : public ITROneMat {
protected:
    TMatValues BuildMat() const override;
};

// Rotation about X, then Y, then Z.
class TTRRotation : public ITROneMat {
protected:
    TMatValues BuildMat() const override;
};

// As TTRRotation, each axis shifted through its own point; all shifts zero
// give the plain rotation.
class TTRRotaAxis : public TTRRotation {
public:
    void SetShiftX(float y, float z);
    void SetShiftY(float x, float z);
    void SetShiftZ(float x, float y);

protected:
    TMatValues BuildMat() const override;

private:
    TAxisShift shiftX;
    TAxisShift shiftY;
    TAxisShift shiftZ;
};
