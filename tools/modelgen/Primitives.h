#pragma once

#include "modelgen/Mesh.h"

// The primitives, centred on the origin, y up. Every face has vertices of
// its own, each with its normal (smooth on curved sides, flat elsewhere) and
// texture coordinates running 0..1, v downwards on the picture.

// 6 faces, 24 vertices; every face shows the whole texture, upright on the
// sides, north at the top on the top face.
TMesh MakeBox(TVec3 size);
// Axis along y; `segments` side quads (u runs once around, from north
// clockwise seen from above) and two caps as `segments`-gons.
TMesh MakeCylinder(double radius, double height, int segments);
// Base at -height/2, apex at +height/2; `segments` side triangles and the base.
TMesh MakeCone(double radius, double height, int segments);
// `segments` around, `rings` from pole to pole: triangles at the poles, quads
// between; u as for the cylinder, v from the top pole down.
TMesh MakeSphere(double radius, int segments, int rings);
// In the xz plane facing up (+y), north at the top of the texture; a
// double-sided plane adds the same quad facing down.
TMesh MakePlane(double width, double depth, bool doubleSided);
