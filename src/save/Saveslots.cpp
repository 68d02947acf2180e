#include "save/Saveslots.h"

#include <cstdio>

TGamePath SaveFolderIn(const std::filesystem::path& programFolder) {
    return TGamePath(programFolder, "Save");
}

TGamePath SlotFileIn(const std::filesystem::path& programFolder, int slot) {
    return TGamePath(programFolder, "Save\\Save" + std::to_string(slot));
}

TFileBlock ReadFileBlock(const std::filesystem::path& programFolder, int page) {
    TFileBlock block;
    block.page = page;
    for (int row = 0; row < SlotsPerPage; ++row) {
        const TGamePath file = SlotFileIn(programFolder, SlotOf(page, row));
        if (GameFileExists(file)) {
            block.times[static_cast<std::size_t>(row)] = GameFileLastWriteTime(file);
        }
    }
    return block;
}

std::string SlotDateText(const TLocalDateTime& written) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d  %d:%02d", written.month, written.day, written.hour,
                  written.minute);
    return text;
}
