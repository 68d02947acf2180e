#pragma once

#include <string>

// Text ".x" models for measuring: a rippled sheet of columns x rows squares
// (two triangles each) with normals, texture coordinates and two materials,
// the first textured with `texture` when one is given.
std::string SheetModel(int columns, int rows, const std::string& texture);
