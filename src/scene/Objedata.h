#pragma once

#include "scene/Objeplan.h"
#include "world/DataFile.h"

#include <vector>

inline constexpr char ObjeDataFileName[] = "Data/ObjeData";

// The whole file is plans of 92 bytes back to back; a shorter rest at the end
// is ignored.
std::vector<TObjePlan> ReadObjeData(TDataReader& reader);
void WriteObjeData(TDataWriter& writer, const std::vector<TObjePlan>& plans);
