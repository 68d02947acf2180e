#include "modelgen/ModelDesc.h"

#include "modelgen/Primitives.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>
#include <yaml-cpp/yaml.h>

namespace {

// The loader keeps 16 material slots per mesh.
constexpr size_t MaxMaterials = 16;
// Segment counts beyond this only make files large.
constexpr int MaxSegments = 256;

class TDescReader {
public:
    explicit TDescReader(std::string source) : sourceName(std::move(source)) {}

    TModelDesc Model(const YAML::Node& root) {
        if (!root.IsMap()) {
            Fail(root, "a model description is a mapping with 'materials', 'parts' and 'frames'");
        }
        RequireKeys(root, {"materials", "parts", "frames"});
        TModelDesc model;
        model.sourceName = sourceName;
        if (!root["materials"] || !root["materials"].IsSequence() ||
            root["materials"].size() == 0) {
            Fail(root, "'materials' must list at least one material");
        }
        for (const auto& node : root["materials"]) {
            model.materials.push_back(Material(node, model.materials));
        }
        if (model.materials.size() > MaxMaterials) {
            Fail(root["materials"], "a model has at most 16 materials");
        }
        materials = &model.materials;
        FrameContents(root, model.top);
        return model;
    }

private:
    std::string sourceName;
    const std::vector<TMaterialDesc>* materials = nullptr;
    // Frame names are unique, so every frame and mesh in the file has its own name.
    mutable std::set<std::string> frameNames;

    [[noreturn]] void Fail(const YAML::Node& node, const std::string& problem) const {
        std::ostringstream text;
        text << sourceName << ":" << node.Mark().line + 1 << ": " << problem;
        throw TModelDescError(text.str());
    }

    void RequireKeys(const YAML::Node& node, std::initializer_list<const char*> allowed) const {
        for (const auto& entry : node) {
            const auto key = entry.first.as<std::string>();
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const char* name) { return key == name; })) {
                Fail(entry.first, "unknown key '" + key + "'");
            }
        }
    }

    YAML::Node Require(const YAML::Node& parent, const char* key) const {
        const YAML::Node child = parent[key];
        if (!child) {
            Fail(parent, std::string("'") + key + "' is missing");
        }
        return child;
    }

    double Number(const YAML::Node& node, const std::string& what) const {
        if (!node.IsScalar()) {
            Fail(node, what + " must be a number");
        }
        try {
            return node.as<double>();
        } catch (const YAML::Exception&) {
            Fail(node, what + " must be a number");
        }
    }

    double Positive(const YAML::Node& node, const std::string& what) const {
        const double value = Number(node, what);
        if (!(value > 0.0)) {
            Fail(node, what + " must be greater than 0");
        }
        return value;
    }

    int Count(const YAML::Node& node, const std::string& what, int fallback, int least) const {
        if (!node) {
            return fallback;
        }
        const double value = Number(node, what);
        if (value != static_cast<int>(value) || value < least || value > MaxSegments) {
            Fail(node, what + " must be a whole number from " + std::to_string(least) + " to " +
                           std::to_string(MaxSegments));
        }
        return static_cast<int>(value);
    }

    std::vector<double> Numbers(const YAML::Node& node, const std::string& what, size_t least,
                                size_t most) const {
        if (!node.IsSequence() || node.size() < least || node.size() > most) {
            Fail(node, what + (least == most ? " must list " + std::to_string(least) + " numbers"
                                             : " must list " + std::to_string(least) + " to " +
                                                   std::to_string(most) + " numbers"));
        }
        std::vector<double> values;
        for (const auto& item : node) {
            values.push_back(Number(item, what));
        }
        return values;
    }

    TVec3 Vector(const YAML::Node& node, const std::string& what, TVec3 fallback) const {
        if (!node) {
            return fallback;
        }
        const auto v = Numbers(node, what, 3, 3);
        return {v[0], v[1], v[2]};
    }

    TColor Color(const YAML::Node& node, const std::string& what, TColor fallback,
                 bool withAlpha) const {
        if (!node) {
            return fallback;
        }
        const auto v = Numbers(node, what, 3, withAlpha ? 4 : 3);
        if (std::any_of(v.begin(), v.end(), [](double c) { return c < 0.0 || c > 1.0; })) {
            Fail(node, what + " components run from 0 to 1");
        }
        return {v[0], v[1], v[2], v.size() == 4 ? v[3] : 1.0};
    }

    TMaterialDesc Material(const YAML::Node& node,
                           const std::vector<TMaterialDesc>& earlier) const {
        if (!node.IsMap()) {
            Fail(node, "a material is a mapping");
        }
        RequireKeys(node, {"name", "diffuse", "power", "specular", "emissive", "texture"});
        TMaterialDesc material;
        const YAML::Node name = Require(node, "name");
        if (!name.IsScalar()) {
            Fail(name, "a material's name is a text");
        }
        material.name = name.as<std::string>();
        if (std::any_of(earlier.begin(), earlier.end(),
                        [&](const auto& m) { return m.name == material.name; })) {
            Fail(node["name"], "material '" + material.name + "' is defined twice");
        }
        material.diffuse = Color(node["diffuse"], "diffuse", material.diffuse, true);
        if (node["power"]) {
            material.power = Number(node["power"], "power");
            if (material.power < 0.0) {
                Fail(node["power"], "power must not be negative");
            }
        }
        material.specular = Color(node["specular"], "specular", material.specular, false);
        material.emissive = Color(node["emissive"], "emissive", material.emissive, false);
        if (node["texture"]) {
            material.texture = node["texture"].as<std::string>();
            if (material.texture.find('"') != std::string::npos) {
                Fail(node["texture"], "a texture name cannot hold '\"'");
            }
            try {
                Utf8ToSjis(material.texture);
            } catch (const TGameError&) {
                Fail(node["texture"], "the texture name has characters outside Shift-JIS");
            }
        }
        return material;
    }

    TPlacement Placement(const YAML::Node& node) const {
        TPlacement placement;
        if (const auto scale = node["scale"]) {
            if (scale.IsScalar()) {
                const double s = Number(scale, "scale");
                placement.scale = {s, s, s};
            } else {
                placement.scale = Vector(scale, "scale", placement.scale);
            }
            if (placement.scale.x == 0.0 || placement.scale.y == 0.0 || placement.scale.z == 0.0) {
                Fail(scale, "scale must not be 0");
            }
        }
        placement.rotate = Vector(node["rotate"], "rotate", placement.rotate);
        placement.translate = Vector(node["translate"], "translate", placement.translate);
        return placement;
    }

    TMesh Primitive(const YAML::Node& part) const {
        const char* kinds[] = {"box", "cylinder", "cone", "sphere", "plane"};
        const char* found = nullptr;
        for (const char* kind : kinds) {
            if (part[kind]) {
                if (found) {
                    Fail(part, "a part holds one primitive, not both " + std::string(found) +
                                   " and " + kind);
                }
                found = kind;
            }
        }
        if (!found) {
            Fail(part, "a part needs one of box, cylinder, cone, sphere, plane");
        }
        const YAML::Node p = part[found];
        if (!p.IsMap()) {
            Fail(p, std::string(found) + " takes a mapping of its sizes");
        }
        const std::string kind = found;
        if (kind == "box") {
            RequireKeys(p, {"size"});
            const YAML::Node size = Require(p, "size");
            Numbers(size, "box size", 3, 3);
            return MakeBox({Positive(size[0], "box size"), Positive(size[1], "box size"),
                            Positive(size[2], "box size")});
        }
        if (kind == "plane") {
            RequireKeys(p, {"size", "double_sided"});
            const YAML::Node size = Require(p, "size");
            Numbers(size, "plane size", 2, 2);
            const bool doubleSided = p["double_sided"] && p["double_sided"].as<bool>();
            return MakePlane(Positive(size[0], "plane size"), Positive(size[1], "plane size"),
                             doubleSided);
        }
        if (kind == "sphere") {
            RequireKeys(p, {"radius", "segments", "rings"});
            return MakeSphere(Positive(Require(p, "radius"), "radius"),
                              Count(p["segments"], "segments", 16, 3),
                              Count(p["rings"], "rings", 8, 2));
        }
        RequireKeys(p, {"radius", "height", "segments"});
        const double radius = Positive(Require(p, "radius"), "radius");
        const double height = Positive(Require(p, "height"), "height");
        const int segments = Count(p["segments"], "segments", 16, 3);
        return kind == "cone" ? MakeCone(radius, height, segments)
                              : MakeCylinder(radius, height, segments);
    }

    int MaterialIndex(const YAML::Node& part) const {
        if (!part["material"]) {
            if (materials->size() == 1) {
                return 0;
            }
            Fail(part, "a part needs a material when the model has several");
        }
        const auto name = part["material"].as<std::string>();
        for (size_t i = 0; i < materials->size(); ++i) {
            if ((*materials)[i].name == name) {
                return static_cast<int>(i);
            }
        }
        Fail(part["material"], "unknown material '" + name + "'");
    }

    TPartDesc Part(const YAML::Node& node) const {
        if (!node.IsMap()) {
            Fail(node, "a part is a mapping");
        }
        RequireKeys(node, {"box", "cylinder", "cone", "sphere", "plane", "material", "translate",
                           "rotate", "scale", "uv"});
        TMesh mesh = Primitive(node);
        if (const auto uv = node["uv"]) {
            if (!uv.IsMap()) {
                Fail(uv, "uv takes 'scale' and 'offset'");
            }
            RequireKeys(uv, {"scale", "offset"});
            const auto scale = uv["scale"] ? Numbers(uv["scale"], "uv scale", 2, 2)
                                           : std::vector<double>{1.0, 1.0};
            const auto offset = uv["offset"] ? Numbers(uv["offset"], "uv offset", 2, 2)
                                             : std::vector<double>{0.0, 0.0};
            MapTextureCoords(mesh, scale[0], scale[1], offset[0], offset[1]);
        }
        SetMaterial(mesh, MaterialIndex(node));
        return {Placed(mesh, Placement(node))};
    }

    static bool IsFrameName(const std::string& name) {
        if (name.empty() || (name[0] >= '0' && name[0] <= '9')) {
            return false;
        }
        return std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_';
        });
    }

    void FrameContents(const YAML::Node& node, TFrameDesc& frame) const {
        if (const auto parts = node["parts"]) {
            if (!parts.IsSequence()) {
                Fail(parts, "'parts' is a list");
            }
            for (const auto& part : parts) {
                frame.parts.push_back(Part(part));
            }
        }
        if (const auto frames = node["frames"]) {
            if (!frames.IsSequence()) {
                Fail(frames, "'frames' is a list");
            }
            for (const auto& child : frames) {
                frame.frames.push_back(Frame(child));
            }
        }
    }

    TFrameDesc Frame(const YAML::Node& node) const {
        if (!node.IsMap()) {
            Fail(node, "a frame is a mapping");
        }
        RequireKeys(node, {"name", "translate", "rotate", "scale", "parts", "frames"});
        TFrameDesc frame;
        const YAML::Node name = Require(node, "name");
        frame.name = name.as<std::string>();
        if (!IsFrameName(frame.name)) {
            Fail(name, "a frame's name is letters, digits and '_', not starting with a digit");
        }
        if (!frameNames.insert(frame.name).second) {
            Fail(name, "frame '" + frame.name + "' is defined twice");
        }
        frame.placement = Placement(node);
        const TVec3 scale = frame.placement.scale;
        if (scale.x < 0.0 || scale.y < 0.0 || scale.z < 0.0) {
            Fail(node["scale"], "a frame's scale must be positive (mirror the parts instead)");
        }
        FrameContents(node, frame);
        return frame;
    }
};

} // namespace

TModelDesc ParseModelDesc(const std::string& yamlText, const std::string& sourceName) {
    try {
        return TDescReader(sourceName).Model(YAML::Load(yamlText));
    } catch (const YAML::Exception& e) {
        throw TModelDescError(sourceName + ":" + std::to_string(e.mark.line + 1) + ": " + e.msg);
    }
}

TModelDesc ReadModelDesc(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw TModelDescError(path + ": cannot be read");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseModelDesc(text.str(), path);
}
