#pragma once

#include "modelgen/Geometry.h"
#include "modelgen/Mesh.h"

#include <stdexcept>
#include <string>
#include <vector>

// A readable model: materials in their numbered order and a tree of frames
// holding placed primitives. Read from YAML (see tools/modelgen/README.md).

struct TColor {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

struct TMaterialDesc {
    std::string name;
    TColor diffuse{1.0, 1.0, 1.0, 1.0};
    double power = 0.0;
    TColor specular{0.0, 0.0, 0.0, 1.0};
    TColor emissive{0.0, 0.0, 0.0, 1.0};
    std::string texture; // UTF-8, empty for none
};

struct TPartDesc {
    TMesh mesh; // already meshed, placed, with its material and texture coordinates
};

struct TFrameDesc {
    std::string name;
    TPlacement placement;
    std::vector<TPartDesc> parts;
    std::vector<TFrameDesc> frames;
};

struct TModelDesc {
    std::string sourceName; // for messages
    std::vector<TMaterialDesc> materials;
    // The model's own parts and frames sit at the top, outside any frame.
    TFrameDesc top;
};

// A description that cannot be built; the message names the source and line.
class TModelDescError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

TModelDesc ParseModelDesc(const std::string& yamlText, const std::string& sourceName);
TModelDesc ReadModelDesc(const std::string& path);
