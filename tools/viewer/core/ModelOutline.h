#pragma once

#include "scene/D3dfile.h"

#include <string>
#include <vector>

// A model's frames and meshes (vertex and triangle counts, each slot's
// colour and texture), one UTF-8 line per node, indented by depth.
void OutlineModel(const CD3DFile& model, int depth, std::vector<std::string>& lines);
