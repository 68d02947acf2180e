#pragma once

#include "scene/Dx7matinit.h"
#include "scene/Dx7transmat.h"
#include "scene/Imatrixctl.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class TOneMat;

// A 4x4 single-precision matrix behind one interface: plain (TOneMat), composed
// of accumulated steps (TGroupMat), or the camera (TViewMat).
class IMatrix : public IMatrixCtl {
public:
    void Init() override { Init(0); }
    // out <- this x other.
    virtual void MulMat(TOneMat& out, const IMatrix& other) const = 0;
    // 0 identity, 1 a basic perspective matrix, 2 all zero.
    virtual void Init(std::uint8_t type);
    // The plain matrix this matrix stands for now.
    virtual const TOneMat& GetOneMat() const = 0;
    virtual std::unique_ptr<TOneMat> NewOneMat() const;
    // A new matrix of this kind in its initial state.
    virtual std::unique_ptr<IMatrix> NewMat() const = 0;
    virtual void Inverse() = 0;
};

// A plain matrix: every operation post-multiplies, so later operations act in
// the outer frame. New ones are the identity.
class TOneMat final : public IMatrix {
public:
    using IMatrix::Init;

    TOneMat() : m(IdentityMat()) {}
    explicit TOneMat(const TMatValues& values) : m(values) {}

    void Scale(float x, float y, float z) override { PostMul(ScaleMat(x, y, z)); }
    void XRota(float deg) override { PostMul(XRotaMat(deg)); }
    void YRota(float deg) override { PostMul(YRotaMat(deg)); }
    void ZRota(float deg) override { PostMul(ZRotaMat(deg)); }
    void Move(float x, float y, float z) override { PostMul(MoveMat(x, y, z)); }
    void Modified(int) override {}
    void XRotaAxis(float deg, float y, float z) override { PostMul(XRotaAxisMat(deg, y, z)); }
    void YRotaAxis(float deg, float x, float z) override { PostMul(YRotaAxisMat(deg, x, z)); }
    void ZRotaAxis(float deg, float x, float y) override { PostMul(ZRotaAxisMat(deg, x, y)); }
    void MulMat(TOneMat& out, const IMatrix& other) const override;
    void Init(std::uint8_t type) override;
    const TOneMat& GetOneMat() const override { return *this; }
    std::unique_ptr<IMatrix> NewMat() const override { return std::make_unique<TOneMat>(); }
    // Assumes rotation and translation only: transposes the rotation and
    // carries the translation back through it.
    void Inverse() override;
    void CopyMat(const IMatrix& other) { m = other.GetOneMat().m; }

    const TMatValues& Values() const { return m; }
    float At(int row, int col) const { return m[static_cast<size_t>(row * 4 + col)]; }

private:
    void PostMul(const TMatValues& op) { m = MatMul(m, op); }

    TMatValues m;
};

// Scale, rotation (about possibly shifted axes) and position kept apart and
// accumulated; the product is always scale, then rotation, then move,
// whatever the order of the calls.
class TGroupMat : public IMatrix {
public:
    using IMatrix::Init;

    TGroupMat();

    void Scale(float x, float y, float z) override;
    void XRota(float deg) override;
    void YRota(float deg) override;
    void ZRota(float deg) override;
    void Move(float x, float y, float z) override;
    void Modified(int) override { changed = true; }
    void XRotaAxis(float deg, float y, float z) override;
    void YRotaAxis(float deg, float x, float z) override;
    void ZRotaAxis(float deg, float x, float y) override;
    // Not offered by a composed matrix: leaves out unchanged.
    void MulMat(TOneMat& out, const IMatrix& other) const override;
    // Resets the steps (axis shifts stay) and puts the cache itself into the
    // given state until the next change.
    void Init(std::uint8_t type) override;
    const TOneMat& GetOneMat() const override;
    std::unique_ptr<IMatrix> NewMat() const override { return std::make_unique<TGroupMat>(); }
    void Inverse() override {}

    const TMatTrans& Position() const { return position.Vector(); }
    const TMatTrans& Rotation() const { return rotation.Vector(); }
    const TMatTrans& Scaling() const { return scaling.Vector(); }

private:
    mutable TTRPosition position;
    mutable TTRRotaAxis rotation;
    mutable TTRScaling scaling;
    mutable TOneMat cache;
    mutable bool changed = false;
};

// The engine's camera: XRota and Move act on its own view matrix, which is
// what it stands for; the other operations change only the group part.
class TViewMat final : public TGroupMat {
public:
    using TGroupMat::Init;

    void XRota(float deg) override { view.XRota(deg); }
    void Move(float x, float y, float z) override { view.Move(x, y, z); }
    const TOneMat& GetOneMat() const override { return view; }

private:
    TOneMat view;
};

// A new plain matrix a x b, as world matrices are formed (local x parent world).
TOneMat MatProduct(const IMatrix& a, const IMatrix& b);
void MatAssign(TOneMat& a, const IMatrix& b);
// (x, y, z, 1) x M.
std::array<float, 4> TransformPoint(float x, float y, float z, const IMatrix& m);

struct TScreenPoint {
    int x;
    int y;
};
// Pixel position of a point under a view-times-projection matrix; none when
// the point lies behind the viewer.
std::optional<TScreenPoint> ProjectToScreen(const IMatrix& viewProj, float x, float y, float z,
                                            int width, int height);
