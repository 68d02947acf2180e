#include "modelgen/Geometry.h"

#include <cmath>
#include <numbers>

TVec3 operator+(TVec3 a, TVec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
TVec3 operator-(TVec3 a, TVec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
TVec3 operator*(TVec3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double Dot(TVec3 a, TVec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

TVec3 Cross(TVec3 a, TVec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Length(TVec3 a) {
    return std::sqrt(Dot(a, a));
}

TVec3 Normalized(TVec3 a) {
    const double length = Length(a);
    return length < 1e-12 ? a : a * (1.0 / length);
}

TMat4 TMat4::Identity() {
    TMat4 r;
    for (int i = 0; i < 4; ++i) {
        r.m[i][i] = 1.0;
    }
    return r;
}

TMat4 TMat4::Scaling(TVec3 s) {
    TMat4 r = Identity();
    r.m[0][0] = s.x;
    r.m[1][1] = s.y;
    r.m[2][2] = s.z;
    return r;
}

TMat4 TMat4::Translation(TVec3 t) {
    TMat4 r = Identity();
    r.m[3][0] = t.x;
    r.m[3][1] = t.y;
    r.m[3][2] = t.z;
    return r;
}

namespace {

struct TSinCos {
    double s;
    double c;
};

// Quarter turns come out exact, so generated files carry no 1e-17 noise.
TSinCos SinCosOfDegrees(double degrees) {
    const double turns = degrees / 90.0;
    if (turns == std::floor(turns)) {
        const long quarter = (static_cast<long>(turns) % 4 + 4) % 4;
        constexpr TSinCos exact[4] = {{0.0, 1.0}, {1.0, 0.0}, {0.0, -1.0}, {-1.0, 0.0}};
        return exact[quarter];
    }
    const double radians = degrees * std::numbers::pi / 180.0;
    return {std::sin(radians), std::cos(radians)};
}

} // namespace

TMat4 TMat4::RotationX(double degrees) {
    const auto [s, c] = SinCosOfDegrees(degrees);
    TMat4 r = Identity();
    r.m[1][1] = c;
    r.m[1][2] = s;
    r.m[2][1] = -s;
    r.m[2][2] = c;
    return r;
}

TMat4 TMat4::RotationY(double degrees) {
    const auto [s, c] = SinCosOfDegrees(degrees);
    TMat4 r = Identity();
    r.m[0][0] = c;
    r.m[0][2] = -s;
    r.m[2][0] = s;
    r.m[2][2] = c;
    return r;
}

TMat4 TMat4::RotationZ(double degrees) {
    const auto [s, c] = SinCosOfDegrees(degrees);
    TMat4 r = Identity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

TMat4 operator*(const TMat4& a, const TMat4& b) {
    TMat4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[i][k] * b.m[k][j];
            }
            r.m[i][j] = sum;
        }
    }
    return r;
}

TVec3 TransformPoint(TVec3 p, const TMat4& m) {
    return TransformDirection(p, m) + TVec3{m.m[3][0], m.m[3][1], m.m[3][2]};
}

TVec3 TransformDirection(TVec3 d, const TMat4& m) {
    return {d.x * m.m[0][0] + d.y * m.m[1][0] + d.z * m.m[2][0],
            d.x * m.m[0][1] + d.y * m.m[1][1] + d.z * m.m[2][1],
            d.x * m.m[0][2] + d.y * m.m[1][2] + d.z * m.m[2][2]};
}

namespace {

TMat4 RotationOf(TVec3 degrees) {
    return TMat4::RotationX(degrees.x) * TMat4::RotationY(degrees.y) * TMat4::RotationZ(degrees.z);
}

} // namespace

TMat4 TPlacement::Matrix() const {
    return TMat4::Scaling(scale) * RotationOf(rotate) * TMat4::Translation(translate);
}

TMat4 TPlacement::NormalMatrix() const {
    return TMat4::Scaling({1.0 / scale.x, 1.0 / scale.y, 1.0 / scale.z}) * RotationOf(rotate);
}
