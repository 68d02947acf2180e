#include "scene/Dx7matinit.h"

#include <cmath>

namespace {

struct TSinCos {
    float s;
    float c;
};

// The angle is rounded to a float in radians; sine and cosine are taken in
// double and stored as floats.
TSinCos SinCosOf(float deg) {
    const float rad = deg * DegToRadF;
    const double wide = static_cast<double>(rad);
    return {static_cast<float>(std::sin(wide)), static_cast<float>(std::cos(wide))};
}

} // namespace

TMatValues MatMul(const TMatValues& a, const TMatValues& b) {
    TMatValues q{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a[i * 4 + k] * b[k * 4 + j];
            }
            q[i * 4 + j] = sum;
        }
    }
    return q;
}

TMatValues IdentityMat() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

TMatValues ScaleMat(float x, float y, float z) {
    return {x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1};
}

TMatValues MoveMat(float x, float y, float z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
}

TMatValues XRotaMat(float deg) {
    const auto [s, c] = SinCosOf(deg);
    return {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
}

TMatValues YRotaMat(float deg) {
    const auto [s, c] = SinCosOf(deg);
    return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1};
}

TMatValues ZRotaMat(float deg) {
    const auto [s, c] = SinCosOf(deg);
    return {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

TMatValues XRotaAxisMat(float deg, float y, float z) {
    return MatMul(MatMul(MoveMat(0, -y, -z), XRotaMat(deg)), MoveMat(0, y, z));
}

TMatValues YRotaAxisMat(float deg, float x, float z) {
    return MatMul(MatMul(MoveMat(-x, 0, -z), YRotaMat(deg)), MoveMat(x, 0, z));
}

TMatValues ZRotaAxisMat(float deg, float x, float y) {
    return MatMul(MatMul(MoveMat(-x, -y, 0), ZRotaMat(deg)), MoveMat(x, y, 0));
}
