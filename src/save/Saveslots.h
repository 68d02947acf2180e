#pragma once

#include "platform/GameFiles.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

// A hundred save slots, ten to a page: page 1 holds slots 1 to 10, page 10
// slots 91 to 100. Rows count from 0.
inline constexpr int SlotsPerPage = 10;
inline constexpr int SavePageCount = 10;
inline constexpr int SaveSlotCount = SlotsPerPage * SavePageCount;

constexpr int SlotOf(int page, int row) {
    return page * SlotsPerPage + row - 9;
}
constexpr int PageOfSlot(int slot) {
    return (slot - 1) / SlotsPerPage + 1;
}
constexpr int RowOfSlot(int slot) {
    return (slot - 1) % SlotsPerPage;
}

// The "Save" folder in the program's folder, and slot `slot`'s file in it,
// "Save\SaveN". The program's folder is the executable's, as the file
// system names it.
TGamePath SaveFolderIn(const std::filesystem::path& programFolder);
TGamePath SlotFileIn(const std::filesystem::path& programFolder, int slot);

// One page of slots: when each slot's file was last written, none for a
// slot without a file.
struct TFileBlock {
    int page = 1;
    std::array<std::optional<TLocalDateTime>, SlotsPerPage> times;
};

// Reads the file times of the page's ten slots.
TFileBlock ReadFileBlock(const std::filesystem::path& programFolder, int page);

// A slot's date as its row shows it: month/day, two spaces, hour and
// two-digit minutes ("12/9  7:05").
std::string SlotDateText(const TLocalDateTime& written);
