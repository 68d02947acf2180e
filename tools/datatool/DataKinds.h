#pragma once

#include "Content.h"
#include "SourceText.h"

#include <span>
#include <string_view>

class TDataReader;
class TDataWriter;

// One data file of the Data folder: how its bytes come from the sources and
// how the game's reader turns them back into sources.
struct TDataKind {
    std::string_view fileName; // inside Data/, e.g. "DungData"
    // Writes the file through the game's writer; false when its source is absent.
    bool (*build)(const TContent& content, TDataWriter& writer);
    // Reads the file through the game's reader; what the game ignores is
    // noted in the sources.
    TSourceTexts (*dump)(TDataReader& reader);
};

std::span<const TDataKind> DataKinds();
// By the file's fixed name; null for a file no kind has.
const TDataKind* FindDataKind(std::string_view fileName);
