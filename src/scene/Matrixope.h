#pragma once

#include "scene/Dx7matrix.h"

// Lets scene objects and acters accept the matrix operations: each one goes
// to the matrix GetMat names.
class IMatrixOpe : public IMatrixCtl {
public:
    void Scale(float x, float y, float z) override { GetMat().Scale(x, y, z); }
    void XRota(float deg) override { GetMat().XRota(deg); }
    void YRota(float deg) override { GetMat().YRota(deg); }
    void ZRota(float deg) override { GetMat().ZRota(deg); }
    void Move(float x, float y, float z) override { GetMat().Move(x, y, z); }
    void Modified(int n) override { GetMat().Modified(n); }
    void XRotaAxis(float deg, float y, float z) override { GetMat().XRotaAxis(deg, y, z); }
    void YRotaAxis(float deg, float x, float z) override { GetMat().YRotaAxis(deg, x, z); }
    void ZRotaAxis(float deg, float x, float y) override { GetMat().ZRotaAxis(deg, x, y); }
    void Init() override { GetMat().Init(); }
    virtual IMatrix& GetMat() = 0;
};
