#pragma once

#include "scene/Dx7matinit.h"
#include "scene/SwapList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TD3DColor {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// A material as the fixed-function lighting uses it.
struct TD3DMaterial {
    TD3DColor diffuse;
    TD3DColor ambient;
    TD3DColor specular;
    TD3DColor emissive;
    float power = 0.0f;
};

#pragma pack(push, 1)
// Position, normal and one texture-coordinate pair.
struct TD3DVertex {
    float x, y, z;
    float nx, ny, nz;
    float tu, tv;
};
#pragma pack(pop)
static_assert(sizeof(TD3DVertex) == 32);

constexpr int MaterialSlotCount = TMaterialRemap::SlotCount;

struct TMaterialSlot {
    TD3DMaterial material;
    // Shift-JIS, relative to the current folder; empty when untextured.
    std::string textureName;
    // Triangle list into the mesh's vertices.
    std::vector<std::uint16_t> indices;
};

// A node of a loaded model: a frame with children, or a mesh.
class CD3DFileObject {
public:
    explicit CD3DFileObject(std::string objectName);

    const std::string& Name() const { return name; }
    const std::vector<std::unique_ptr<CD3DFileObject>>& Children() const { return children; }
    CD3DFileObject& AddChild(std::unique_ptr<CD3DFileObject> child);
    // The frame matrix, converted to the left-handed convention; identity
    // unless the file gives one.
    const TMatValues& Matrix() const { return matrix; }
    void SetMatrix(const TMatValues& values) { matrix = values; }

    bool IsMesh() const { return isMesh; }
    const std::vector<TD3DVertex>& Vertices() const { return vertices; }
    const std::array<TMaterialSlot, MaterialSlotCount>& Slots() const { return materialSlots; }
    // -1 when the mesh has no triangles.
    int HighestSlot() const { return highestSlot; }
    bool HasAlpha() const { return hasAlpha; }
    // Never reused within a run, so device buffers made from this mesh can be
    // told apart from those of a mesh loaded later.
    std::uint64_t Serial() const { return serial; }

    void SetMesh(std::vector<TD3DVertex> meshVertices,
                 std::array<TMaterialSlot, MaterialSlotCount> meshSlots, bool alpha);

private:
    std::string name;
    std::vector<std::unique_ptr<CD3DFileObject>> children;
    TMatValues matrix;
    bool isMesh = false;
    std::vector<TD3DVertex> vertices;
    std::array<TMaterialSlot, MaterialSlotCount> materialSlots;
    int highestSlot = -1;
    bool hasAlpha = false;
    std::uint64_t serial;
};

// A loaded ".x" model and the table that decides which slot each of the
// file's materials goes to, so one model can be loaded in several colourings.
class CD3DFile {
public:
    // Known to the texture registry, if there is one, while it lives.
    CD3DFile();
    ~CD3DFile();
    CD3DFile(const CD3DFile&) = delete;
    CD3DFile& operator=(const CD3DFile&) = delete;

    // Replaces the content by the file's (Shift-JIS name). Raises
    // TXFileFormatError or TGameError when the file cannot be read or parsed;
    // the model is then empty. The remap table is kept.
    void Load(const std::string& sjisFileName);
    // Parses a model from bytes already in memory.
    void LoadFromBytes(const std::vector<std::uint8_t>& bytes);

    // Takes effect at the next load.
    void SwapMat(int a, int b) { remap.Swap(a, b); }
    const TMaterialRemap& Remap() const { return remap; }

    const CD3DFileObject& Root() const { return *root; }
    bool IsEmpty() const { return root->Children().empty(); }
    // Some mesh of the model has a material with alpha.
    bool HasAlpha() const { return hasAlpha; }

private:
    std::unique_ptr<CD3DFileObject> root;
    bool hasAlpha = false;
    TMaterialRemap remap;
};
