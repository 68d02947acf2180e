#include "viewer/core/ModelBounds.h"

#include <algorithm>
#include <cmath>

namespace {

void AddNode(TBounds& bounds, const CD3DFileObject& node, const TMatValues& world) {
    if (node.IsMesh()) {
        for (const TD3DVertex& v : node.Vertices()) {
            const auto& m = world;
            bounds.Add(v.x * m[0] + v.y * m[4] + v.z * m[8] + m[12],
                       v.x * m[1] + v.y * m[5] + v.z * m[9] + m[13],
                       v.x * m[2] + v.y * m[6] + v.z * m[10] + m[14]);
        }
        return;
    }
    const TMatValues inner = MatMul(node.Matrix(), world);
    for (const auto& child : node.Children()) {
        AddNode(bounds, *child, inner);
    }
}

} // namespace

void TBounds::Add(float x, float y, float z) {
    const std::array<float, 3> point{x, y, z};
    for (size_t i = 0; i < 3; ++i) {
        low[i] = empty ? point[i] : std::min(low[i], point[i]);
        high[i] = empty ? point[i] : std::max(high[i], point[i]);
    }
    empty = false;
}

std::array<float, 3> TBounds::Centre() const {
    return {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
}

float TBounds::Radius() const {
    if (empty) {
        return 0.0f;
    }
    const float dx = high[0] - low[0], dy = high[1] - low[1], dz = high[2] - low[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz) / 2;
}

void AddModel(TBounds& bounds, const CD3DFile& model, const TMatValues& world) {
    AddNode(bounds, model.Root(), world);
}
