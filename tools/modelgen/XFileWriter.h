#pragma once

#include "modelgen/ModelDesc.h"

#include <string>

// The DirectX text model of a description: header "xof 0303txt 0032", the
// top-level parts as one Mesh, each frame as a Frame with its
// FrameTransformMatrix, its parts as one Mesh and its child frames. Every mesh
// carries per-vertex MeshNormals and MeshTextureCoords (one per vertex) and a
// MeshMaterialList of all the model's materials in their numbered order, so a
// material swap list means the same slots in every mesh. Texture names are
// written in Shift-JIS, as the game names its files.
std::string XFileText(const TModelDesc& model);

// Frame matrices are stored z-mirrored (m02, m20, m12, m21, m32 negated): the
// loader mirrors them back into our left-handed world, while vertices are
// read as they stand.
TMat4 StoredFrameMatrix(const TMat4& world);
