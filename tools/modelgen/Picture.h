#pragma once

#include "modelgen/BmpWriter.h"
#include "modelgen/Image.h"

#include <string>
#include <vector>

// One generated picture and where it goes, relative to the output folder
// (UTF-8; the game's Shift-JIS names map to these on disk).
struct TPicture {
    std::string path;
    TImage image;
    TBmpDepth depth;
};

void WritePictures(const std::string& outDir, const std::vector<TPicture>& pictures);
