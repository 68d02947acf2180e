#pragma once

#include <array>

// Row-vector, left-handed geometry as the game's matrices use it: a point is
// (x, y, z, 1) × M, and a positive angle about y turns +z towards +x.
struct TVec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

TVec3 operator+(TVec3 a, TVec3 b);
TVec3 operator-(TVec3 a, TVec3 b);
TVec3 operator*(TVec3 a, double k);
double Dot(TVec3 a, TVec3 b);
TVec3 Cross(TVec3 a, TVec3 b);
double Length(TVec3 a);
// The unit vector of a; a vector too short to have a direction stays as it is.
TVec3 Normalized(TVec3 a);

struct TMat4 {
    std::array<std::array<double, 4>, 4> m{};

    static TMat4 Identity();
    static TMat4 Scaling(TVec3 s);
    static TMat4 Translation(TVec3 t);
    static TMat4 RotationX(double degrees);
    static TMat4 RotationY(double degrees);
    static TMat4 RotationZ(double degrees);
};

// A × B applies A first.
TMat4 operator*(const TMat4& a, const TMat4& b);
TVec3 TransformPoint(TVec3 p, const TMat4& m);
// Only the upper 3 × 3 part: directions ignore the translation.
TVec3 TransformDirection(TVec3 d, const TMat4& m);

// Where and how a piece sits: scaled first, then rotated about x, y and z (in
// that order, degrees), then moved.
struct TPlacement {
    TVec3 scale{1.0, 1.0, 1.0};
    TVec3 rotate;
    TVec3 translate;

    TMat4 Matrix() const;
    // Carries normals: the inverse scaling, then the rotation.
    TMat4 NormalMatrix() const;
    // An odd number of mirrored axes turns every face inside out.
    bool Mirrors() const { return scale.x * scale.y * scale.z < 0.0; }
};
