#include "scene/Dx7matrix.h"

#include "platform/MessageSeam.h"
#include "platform/SjisText.h"

#include <cmath>

void IMatrix::Init(std::uint8_t) {
    MessageSeam().ShowMessage(Sjis("IMatrix::Init仮想メソッド非対応"));
}

std::unique_ptr<TOneMat> IMatrix::NewOneMat() const {
    return std::make_unique<TOneMat>();
}

void TOneMat::MulMat(TOneMat& out, const IMatrix& other) const {
    out.m = MatMul(m, other.GetOneMat().m);
}

void TOneMat::Init(std::uint8_t type) {
    switch (type) {
    case 0:
        m = IdentityMat();
        break;
    case 1:
        m = IdentityMat();
        m[2 * 4 + 3] = 1;
        m[3 * 4 + 2] = -1;
        m[3 * 4 + 3] = 0;
        break;
    case 2:
        m.fill(0);
        break;
    default:
        break;
    }
}

void TOneMat::Inverse() {
    const TMatValues old = m;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            m[static_cast<size_t>(r * 4 + c)] = old[static_cast<size_t>(c * 4 + r)];
        }
        m[static_cast<size_t>(r * 4 + 3)] = 0;
    }
    const float tx = old[12];
    const float ty = old[13];
    const float tz = old[14];
    for (int c = 0; c < 3; ++c) {
        const size_t row = static_cast<size_t>(c * 4);
        m[12 + static_cast<size_t>(c)] = -(tx * old[row] + ty * old[row + 1] + tz * old[row + 2]);
    }
    m[15] = 1;
}

TGroupMat::TGroupMat() = default;

void TGroupMat::Scale(float x, float y, float z) {
    scaling.Add(x, y, z);
    changed = true;
}

void TGroupMat::XRota(float deg) {
    rotation.Add(deg, 0, 0);
    changed = true;
}

void TGroupMat::YRota(float deg) {
    rotation.Add(0, deg, 0);
    changed = true;
}

void TGroupMat::ZRota(float deg) {
    rotation.Add(0, 0, deg);
    changed = true;
}

void TGroupMat::Move(float x, float y, float z) {
    position.Add(x, y, z);
    changed = true;
}

// The group's own rotations: the camera's XRota turns its view matrix instead.
void TGroupMat::XRotaAxis(float deg, float y, float z) {
    rotation.SetShiftX(y, z);
    TGroupMat::XRota(deg);
}

void TGroupMat::YRotaAxis(float deg, float x, float z) {
    rotation.SetShiftY(x, z);
    TGroupMat::YRota(deg);
}

void TGroupMat::ZRotaAxis(float deg, float x, float y) {
    rotation.SetShiftZ(x, y);
    TGroupMat::ZRota(deg);
}

void TGroupMat::MulMat(TOneMat&, const IMatrix&) const {}

void TGroupMat::Init(std::uint8_t type) {
    position.Reset();
    rotation.Reset();
    scaling.Reset();
    cache.Init(type);
    changed = false;
}

const TOneMat& TGroupMat::GetOneMat() const {
    if (changed) {
        cache = TOneMat(MatMul(MatMul(scaling.GetMat(), rotation.GetMat()), position.GetMat()));
        changed = false;
    }
    return cache;
}

TOneMat MatProduct(const IMatrix& a, const IMatrix& b) {
    return TOneMat(MatMul(a.GetOneMat().Values(), b.GetOneMat().Values()));
}

void MatAssign(TOneMat& a, const IMatrix& b) {
    a.CopyMat(b);
}

std::array<float, 4> TransformPoint(float x, float y, float z, const IMatrix& matrix) {
    const TMatValues& m = matrix.GetOneMat().Values();
    std::array<float, 4> out{};
    for (size_t c = 0; c < 4; ++c) {
        out[c] = x * m[c] + y * m[4 + c] + z * m[8 + c] + m[12 + c];
    }
    return out;
}

std::optional<TScreenPoint> ProjectToScreen(const IMatrix& viewProj, float x, float y, float z,
                                            int width, int height) {
    const auto p = TransformPoint(x, y, z, viewProj);
    const float px = p[0];
    const float py = p[1];
    const float pw = p[3];
    if (!(pw > 0)) {
        return std::nullopt;
    }
    const float hw = static_cast<float>(width / 2);
    const float hh = static_cast<float>(height / 2);
    return TScreenPoint{static_cast<int>(std::trunc(px / pw * hw + hw)),
                        static_cast<int>(std::trunc(hh - py / pw * hh))};
}
