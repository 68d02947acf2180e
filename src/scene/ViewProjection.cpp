#include "scene/ViewProjection.h"

#include <cmath>

TOneMat ProjectionMat(float xScale, float zNear, float zFar, float fovY) {
    const double half = static_cast<double>(fovY / 2.0f);
    const float c = static_cast<float>(std::cos(half));
    const float s = static_cast<float>(std::sin(half));
    const float q = s / (1.0f - zNear / zFar);
    TMatValues m{};
    m[0] = xScale;
    m[5] = c;
    m[10] = q;
    m[11] = s;
    m[14] = -q * zNear;
    return TOneMat(m);
}

TOneMat ViewProjOf(const TViewMat& camera, const TOneMat& projection) {
    TOneMat view(camera.GetOneMat().Values());
    view.Inverse();
    return MatProduct(view, projection);
}
