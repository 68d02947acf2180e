#include "scene/D3dfile.h"

#include "platform/GameFiles.h"
#include "scene/Texturecontainer.h"
#include "scene/Xfileparser.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint64_t NextSerial() {
    static std::uint64_t counter = 0;
    return ++counter;
}

// Triangle indices are 16 bits wide.
constexpr std::uint32_t MaxVertices = 65536;

// A slot that no material of the file reaches draws plain white.
TD3DMaterial DefaultMaterial() {
    TD3DMaterial material;
    material.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    material.ambient = material.diffuse;
    return material;
}

TD3DColor ReadColor(TXMemberReader& reader, bool withAlpha) {
    TD3DColor color;
    color.r = reader.Float("red");
    color.g = reader.Float("green");
    color.b = reader.Float("blue");
    if (withAlpha) {
        color.a = reader.Float("alpha");
    }
    return color;
}

struct TVector {
    float x, y, z;
};

TVector Minus(const TVector& a, const TVector& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
TVector Cross(const TVector& a, const TVector& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Length(const TVector& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
TVector PositionOf(const TD3DVertex& v) {
    return {v.x, v.y, v.z};
}

// Each triangle (a, b, c) adds its unit normal (b - a) x (c - b) to its
// corners; a corner whose sum is shorter than 0.1 faces +z.
void ComputeNormals(std::vector<TD3DVertex>& vertices,
                    const std::array<TMaterialSlot, MaterialSlotCount>& materialSlots) {
    std::vector<TVector> sums(vertices.size(), TVector{0.0f, 0.0f, 0.0f});
    for (const auto& slot : materialSlots) {
        for (size_t i = 0; i + 2 < slot.indices.size(); i += 3) {
            const TVector a = PositionOf(vertices[slot.indices[i]]);
            const TVector b = PositionOf(vertices[slot.indices[i + 1]]);
            const TVector c = PositionOf(vertices[slot.indices[i + 2]]);
            const TVector normal = Cross(Minus(b, a), Minus(c, b));
            const float length = Length(normal);
            if (length == 0.0f) {
                continue;
            }
            for (const size_t corner : {i, i + 1, i + 2}) {
                TVector& sum = sums[slot.indices[corner]];
                sum.x += normal.x / length;
                sum.y += normal.y / length;
                sum.z += normal.z / length;
            }
        }
    }
    for (size_t v = 0; v < vertices.size(); ++v) {
        const float length = Length(sums[v]);
        TVector normal{0.0f, 0.0f, 1.0f};
        if (length >= 0.1f) {
            normal = {sums[v].x / length, sums[v].y / length, sums[v].z / length};
        }
        vertices[v].nx = normal.x;
        vertices[v].ny = normal.y;
        vertices[v].nz = normal.z;
    }
}

const TXDataObject* FirstChild(const TXDataObject& object, const char* templateName) {
    for (const auto& child : object.children) {
        if (child.object && child.object->templateName == templateName) {
            return child.object.get();
        }
    }
    return nullptr;
}

class TModelBuilder {
public:
    TModelBuilder(const TXFileData& file, const TMaterialRemap& slotOf)
        : data(file), remap(slotOf) {}

    void Build(CD3DFileObject& root) {
        for (const auto& object : data.Objects()) {
            if (object->templateName == "Frame") {
                root.AddChild(Frame(*object));
            } else if (object->templateName == "Mesh") {
                root.AddChild(Mesh(*object));
            }
        }
    }

private:
    std::unique_ptr<CD3DFileObject> Frame(const TXDataObject& object) {
        auto frame = std::make_unique<CD3DFileObject>(object.name);
        for (const auto& child : object.children) {
            if (!child.object) {
                continue;
            }
            const std::string& kind = child.object->templateName;
            if (kind == "FrameTransformMatrix") {
                frame->SetMatrix(FrameMatrix(*child.object));
            } else if (kind == "Frame") {
                frame->AddChild(Frame(*child.object));
            } else if (kind == "Mesh") {
                frame->AddChild(Mesh(*child.object));
            }
        }
        return frame;
    }

    // The file's right-handed frame matrix in our left-handed convention.
    static TMatValues FrameMatrix(const TXDataObject& object) {
        TXMemberReader reader(object);
        TMatValues values{};
        for (float& value : values) {
            value = reader.Float("matrix element");
        }
        for (const size_t mirrored : {2, 8, 6, 9, 14}) {
            values[mirrored] = -values[mirrored];
        }
        return values;
    }

    std::unique_ptr<CD3DFileObject> Mesh(const TXDataObject& object) {
        TXMemberReader reader(object);
        const std::uint32_t vertexCount = reader.Count("nVertices");
        if (vertexCount > MaxVertices) {
            reader.Fail(std::to_string(vertexCount) + " vertices, at most 65536 can be drawn");
        }
        reader.RequireNumbers(vertexCount, 3, "vertices");
        std::vector<TD3DVertex> vertices(vertexCount, TD3DVertex{});
        for (auto& vertex : vertices) {
            vertex.x = reader.Float("vertex x");
            vertex.y = reader.Float("vertex y");
            vertex.z = reader.Float("vertex z");
        }

        const std::uint32_t faceCount = reader.Count("nFaces");
        reader.RequireNumbers(faceCount, 1, "faces");
        std::vector<std::vector<std::uint16_t>> faces(faceCount);
        for (auto& face : faces) {
            const std::uint32_t corners = reader.Count("nFaceVertexIndices");
            reader.RequireNumbers(corners, 1, "face vertex indices");
            face.resize(corners);
            for (auto& index : face) {
                const std::uint32_t vertex = reader.Count("face vertex index");
                if (vertex >= vertexCount) {
                    reader.Fail("face vertex index " + std::to_string(vertex) +
                                " beyond the vertices");
                }
                index = static_cast<std::uint16_t>(vertex);
            }
        }

        std::array<TMaterialSlot, MaterialSlotCount> materialSlots;
        for (auto& slot : materialSlots) {
            slot.material = DefaultMaterial();
        }
        bool hasAlpha = false;
        const std::vector<std::uint32_t> faceSlots =
            FaceSlots(object, faceCount, materialSlots, hasAlpha);
        for (size_t f = 0; f < faces.size(); ++f) {
            if (faceSlots[f] >= MaterialSlotCount) {
                continue;
            }
            auto& indices = materialSlots[faceSlots[f]].indices;
            const auto& face = faces[f];
            for (size_t corner = 2; corner < face.size(); ++corner) {
                indices.insert(indices.end(), {face[0], face[corner - 1], face[corner]});
            }
        }

        if (!ReadNormals(object, vertices)) {
            ComputeNormals(vertices, materialSlots);
        }
        ReadTextureCoords(object, vertices);

        auto mesh = std::make_unique<CD3DFileObject>(object.name);
        mesh->SetMesh(std::move(vertices), std::move(materialSlots), hasAlpha);
        return mesh;
    }

    // The material number of every face, and the list's materials put into
    // their slots. Without a usable list every face draws with slot 0.
    std::vector<std::uint32_t>
    FaceSlots(const TXDataObject& mesh, std::uint32_t faceCount,
              std::array<TMaterialSlot, MaterialSlotCount>& materialSlots, bool& hasAlpha) const {
        std::vector<std::uint32_t> faceSlots(faceCount, 0);
        const TXDataObject* list = FirstChild(mesh, "MeshMaterialList");
        if (!list) {
            return faceSlots;
        }
        TXMemberReader reader(*list);
        const std::uint32_t materialCount = reader.Count("nMaterials");
        const std::uint32_t indexCount = reader.Count("nFaceIndexes");
        reader.RequireNumbers(indexCount, 1, "face material indexes");
        std::vector<std::uint32_t> listed(indexCount);
        for (auto& number : listed) {
            number = reader.Count("face material index");
        }
        if (materialCount != 1 && indexCount == faceCount) {
            faceSlots = std::move(listed);
        }

        int number = 0;
        for (const auto& child : list->children) {
            const TXDataObject* material = child.object.get();
            if (!material) {
                material = data.Find(child.reference);
                if (!material) {
                    reader.Fail("unknown material \"" + child.reference + "\"");
                }
            }
            if (material->templateName != "Material") {
                continue;
            }
            if (number < MaterialSlotCount) {
                ReadMaterial(*material, materialSlots[static_cast<size_t>(remap.SlotOf(number))],
                             hasAlpha);
            }
            ++number;
        }
        return faceSlots;
    }

    static void ReadMaterial(const TXDataObject& object, TMaterialSlot& slot, bool& hasAlpha) {
        TXMemberReader reader(object);
        TD3DMaterial& material = slot.material;
        material.diffuse = ReadColor(reader, true);
        material.ambient = material.diffuse;
        material.power = reader.Float("power");
        material.specular = ReadColor(reader, false);
        material.emissive = ReadColor(reader, false);
        if (material.diffuse.a < 1.0f) {
            hasAlpha = true;
        }
        slot.textureName.clear();
        if (const TXDataObject* texture = FirstChild(object, "TextureFilename")) {
            if (texture->strings.empty()) {
                TXMemberReader(*texture).Fail("no file name");
            }
            slot.textureName = texture->strings.front();
            CD3DTextureManager::Instance().Register(slot.textureName);
        }
    }

    // Per-vertex normals, used only when there is one for every vertex.
    static bool ReadNormals(const TXDataObject& mesh, std::vector<TD3DVertex>& vertices) {
        const TXDataObject* normals = FirstChild(mesh, "MeshNormals");
        if (!normals) {
            return false;
        }
        TXMemberReader reader(*normals);
        if (reader.Count("nNormals") != vertices.size()) {
            return false;
        }
        reader.RequireNumbers(vertices.size(), 3, "normals");
        for (auto& vertex : vertices) {
            vertex.nx = reader.Float("normal x");
            vertex.ny = reader.Float("normal y");
            vertex.nz = reader.Float("normal z");
        }
        return true;
    }

    static void ReadTextureCoords(const TXDataObject& mesh, std::vector<TD3DVertex>& vertices) {
        const TXDataObject* coords = FirstChild(mesh, "MeshTextureCoords");
        if (!coords) {
            return;
        }
        TXMemberReader reader(*coords);
        if (reader.Count("nTextureCoords") != vertices.size()) {
            return;
        }
        reader.RequireNumbers(vertices.size(), 2, "texture coordinates");
        for (auto& vertex : vertices) {
            vertex.tu = reader.Float("u");
            vertex.tv = reader.Float("v");
        }
    }

    const TXFileData& data;
    const TMaterialRemap& remap;
};

} // namespace

CD3DFileObject::CD3DFileObject(std::string objectName)
    : name(std::move(objectName)), matrix(IdentityMat()), serial(NextSerial()) {}

CD3DFileObject& CD3DFileObject::AddChild(std::unique_ptr<CD3DFileObject> child) {
    children.push_back(std::move(child));
    return *children.back();
}

void CD3DFileObject::SetMesh(std::vector<TD3DVertex> meshVertices,
                             std::array<TMaterialSlot, MaterialSlotCount> meshSlots, bool alpha) {
    isMesh = true;
    vertices = std::move(meshVertices);
    materialSlots = std::move(meshSlots);
    hasAlpha = alpha;
    highestSlot = -1;
    for (int i = 0; i < MaterialSlotCount; ++i) {
        if (!materialSlots[static_cast<size_t>(i)].indices.empty()) {
            highestSlot = i;
        }
    }
}

namespace {

bool AnyMeshHasAlpha(const CD3DFileObject& node) {
    if (node.IsMesh() && node.HasAlpha()) {
        return true;
    }
    return std::any_of(node.Children().begin(), node.Children().end(),
                       [](const auto& child) { return AnyMeshHasAlpha(*child); });
}

} // namespace

CD3DFile::CD3DFile() : root(std::make_unique<CD3DFileObject>("D3DFile_Root")) {
    if (CD3DTextureManager::HasInstance()) {
        CD3DTextureManager::Instance().AddModel(*this);
    }
}

CD3DFile::~CD3DFile() {
    if (CD3DTextureManager::HasInstance()) {
        CD3DTextureManager::Instance().RemoveModel(*this);
    }
}

void CD3DFile::Load(const std::string& sjisFileName) {
    root = std::make_unique<CD3DFileObject>("D3DFile_Root");
    LoadFromBytes(ReadWholeGameFile(sjisFileName));
}

void CD3DFile::LoadFromBytes(const std::vector<std::uint8_t>& bytes) {
    root = std::make_unique<CD3DFileObject>("D3DFile_Root");
    hasAlpha = false;
    try {
        const TXFileData data = TXFileData::Parse(bytes);
        TModelBuilder(data, remap).Build(*root);
    } catch (...) {
        root = std::make_unique<CD3DFileObject>("D3DFile_Root");
        throw;
    }
    hasAlpha = AnyMeshHasAlpha(*root);
}
