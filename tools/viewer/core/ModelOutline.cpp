#include "viewer/core/ModelOutline.h"

#include "scene/Scenelog.h"

#include <cstdio>

namespace {

std::string Indent(int depth) {
    return std::string(static_cast<size_t>(depth) * 2, ' ');
}

void OutlineNode(const CD3DFileObject& node, int depth, std::vector<std::string>& lines) {
    const std::string name = node.Name().empty() ? "(unnamed)" : PrintableSjis(node.Name());
    if (!node.IsMesh()) {
        lines.push_back(Indent(depth) + "Frame " + name);
        for (const auto& child : node.Children()) {
            OutlineNode(*child, depth + 1, lines);
        }
        return;
    }
    size_t triangles = 0;
    for (const TMaterialSlot& slot : node.Slots()) {
        triangles += slot.indices.size() / 3;
    }
    lines.push_back(Indent(depth) + "Mesh " + name + ": " + std::to_string(node.Vertices().size()) +
                    " vertices, " + std::to_string(triangles) + " triangles" +
                    (node.HasAlpha() ? ", drawn blended" : ""));
    for (int s = 0; s <= node.HighestSlot(); ++s) {
        const TMaterialSlot& slot = node.Slots()[static_cast<size_t>(s)];
        if (slot.indices.empty()) {
            continue;
        }
        const TD3DColor& c = slot.material.diffuse;
        char colour[64];
        std::snprintf(colour, sizeof colour, "%.2f %.2f %.2f %.2f", c.r, c.g, c.b, c.a);
        lines.push_back(Indent(depth + 1) + "slot " + std::to_string(s) + ": " +
                        std::to_string(slot.indices.size() / 3) + " triangles, colour " + colour +
                        (slot.textureName.empty() ? "" : ", " + PrintableSjis(slot.textureName)));
    }
}

} // namespace

void OutlineModel(const CD3DFile& model, int depth, std::vector<std::string>& lines) {
    for (const auto& child : model.Root().Children()) {
        OutlineNode(*child, depth, lines);
    }
}
