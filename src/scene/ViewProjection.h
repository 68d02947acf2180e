#pragma once

#include "scene/Dx7matrix.h"

// The projection every engine uses: all zero except m00 = xScale,
// m11 = cos(fov/2), m22 = Q, m23 = sin(fov/2), m32 = -Q zNear, with
// Q = sin(fov/2) / (1 - zNear/zFar). Depth zNear maps to 0, zFar to 1.
TOneMat ProjectionMat(float xScale, float zNear, float zFar, float fovY);

// inverse(camera) x projection: world points to clip space.
TOneMat ViewProjOf(const TViewMat& camera, const TOneMat& projection);
