#pragma once

#include <array>

// The 16 values of a 4x4 single-precision matrix, row by row. Points are row
// vectors, (x, y, z, 1) x M; the translation is row 3. A x B applies A first.
using TMatValues = std::array<float, 16>;

constexpr float PiF = 3.14159274f;
// Degrees to radians with the factor rounded to a float, as every angle of the
// game is converted.
constexpr float DegToRadF = PiF / 180.0f;

// Row-major product, each element summed in float into a temporary, so the
// result may replace either input.
TMatValues MatMul(const TMatValues& a, const TMatValues& b);

TMatValues IdentityMat();
TMatValues ScaleMat(float x, float y, float z);
TMatValues MoveMat(float x, float y, float z);
// Left-handed rotations: a positive angle about Y turns +Z towards +X.
TMatValues XRotaMat(float deg);
TMatValues YRotaMat(float deg);
TMatValues ZRotaMat(float deg);

// Rotations about an axis through a point: move the point to the origin,
// rotate, move back. The two coordinates are those not on the axis.
TMatValues XRotaAxisMat(float deg, float y, float z);
TMatValues YRotaAxisMat(float deg, float x, float z);
TMatValues ZRotaAxisMat(float deg, float x, float y);
