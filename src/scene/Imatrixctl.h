#pragma once

// The operations that change a matrix, shared by matrices, scene objects and
// acters. Angles are degrees; every argument is a single float.
class IMatrixCtl {
public:
    virtual ~IMatrixCtl() = default;
    virtual void Scale(float x, float y, float z) = 0;
    virtual void XRota(float deg) = 0;
    virtual void YRota(float deg) = 0;
    virtual void ZRota(float deg) = 0;
    virtual void Move(float x, float y, float z) = 0;
    // Marks the matrix as changed; the argument carries nothing.
    virtual void Modified(int unused) = 0;
    // Rotations about an axis shifted to pass through the given point.
    virtual void XRotaAxis(float deg, float y, float z) = 0;
    virtual void YRotaAxis(float deg, float x, float z) = 0;
    virtual void ZRotaAxis(float deg, float x, float y) = 0;
    virtual void Init() = 0;
};
