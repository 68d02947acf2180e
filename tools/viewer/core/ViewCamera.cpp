#include "viewer/core/ViewCamera.h"

#include "scene/I3DEngine.h"

#include <algorithm>
#include <cmath>

namespace {

// The game's projection: width scale 0.9, vertical field of view 0.8.
constexpr float WidthScale = 0.9f;
constexpr float FieldOfView = 0.8f;
// Share of the view the subject's box may take across and up.
constexpr float Fill = 0.85f;

} // namespace

void TViewCamera::Place(I3DEngine& engine, const TBounds& bounds, float distance) const {
    const float radius = std::max(bounds.Radius(), 0.01f);
    const auto centre = bounds.Centre();
    const float p = pitch * DegToRadF;
    // The eye backs away from the centre against the viewing direction
    // (0, -sin p, cos p).
    TViewMat& view = engine.GetViewMat();
    view = TViewMat();
    view.XRota(pitch);
    view.Move(centre[0], centre[1] + distance * std::sin(p), centre[2] - distance * std::cos(p));
    const float zNear = std::max(distance - 2.0f * radius, distance * 0.02f);
    engine.SetProjection(WidthScale, zNear, distance + 2.0f * radius, FieldOfView);
    engine.ApplyView();
}

bool TViewCamera::Fits(I3DEngine& engine, const TBounds& bounds, float distance) const {
    Place(engine, bounds, distance);
    TOneMat viewProj;
    engine.GetViewProj(viewProj);
    const TOneMat turning = TurnMatrix(bounds);
    for (int corner = 0; corner < 8; ++corner) {
        const auto& from = bounds;
        const auto turned = TransformPoint((corner & 1) ? from.high[0] : from.low[0],
                                           (corner & 2) ? from.high[1] : from.low[1],
                                           (corner & 4) ? from.high[2] : from.low[2], turning);
        const auto p = TransformPoint(turned[0], turned[1], turned[2], viewProj);
        if (p[3] <= 0.0f || std::fabs(p[0] / p[3]) > Fill || std::fabs(p[1] / p[3]) > Fill) {
            return false;
        }
    }
    return true;
}

void TViewCamera::Apply(I3DEngine& engine, const TBounds& bounds) const {
    const float radius = std::max(bounds.Radius(), 0.01f);
    // The bounding sphere fits when it fills the narrower view angle; the
    // box itself may fit closer.
    const float halfTan =
        std::min(std::sin(FieldOfView / 2) / WidthScale, std::tan(FieldOfView / 2));
    float far = radius / std::sin(std::atan(halfTan)) / Fill;
    float close = radius * 0.01f;
    for (int i = 0; i < 24; ++i) {
        const float middle = (close + far) / 2;
        (Fits(engine, bounds, middle) ? far : close) = middle;
    }
    Place(engine, bounds, far / zoom);
}

TOneMat TViewCamera::TurnMatrix(const TBounds& bounds) const {
    const auto centre = bounds.Centre();
    TOneMat turning;
    turning.Move(-centre[0], 0.0f, -centre[2]);
    turning.YRota(turn);
    turning.Move(centre[0], 0.0f, centre[2]);
    return turning;
}
