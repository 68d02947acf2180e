#include "modelgen/Pictures.h"

#include "modelgen/Artwork.h"
#include "modelgen/AutomapTiles.h"
#include "modelgen/ComparisonPictures.h"
#include "modelgen/Cursors.h"
#include "modelgen/EquipIcons.h"
#include "modelgen/OutputFile.h"

void WritePictures(const std::string& outDir, const std::vector<TPicture>& pictures) {
    for (const auto& picture : pictures) {
        WriteBmp(outDir + "/" + picture.path, picture.image, picture.depth);
    }
}

std::vector<TPicture> GamePictures() {
    return {
        {"Graph/マップパターン.bmp", PaintAutomapTiles(), TBmpDepth::Paletted8},
        {"Graph/攻撃防御.bmp", PaintComparisonPictures(), TBmpDepth::Paletted8},
    };
}

std::vector<TPicture> ArtPictures() {
    std::vector<TPicture> pictures;
    for (auto& cursor : PaintCursors()) {
        pictures.push_back(
            {"cursors/" + cursor.name + ".bmp", std::move(cursor.image), TBmpDepth::Paletted8});
    }
    pictures.push_back({"background.bmp", PaintBackgroundTile(), TBmpDepth::Rgb24});
    pictures.push_back({"title.bmp", PaintTitle(), TBmpDepth::Rgb24});
    pictures.push_back({"icon.bmp", PaintIcon(), TBmpDepth::Rgb24});
    pictures.push_back({"equipicons.bmp", PaintEquipIcons(), TBmpDepth::Rgb24});
    return pictures;
}

void WriteArt(const std::string& outDir) {
    WritePictures(outDir, ArtPictures());
    WriteOutputFile(outDir + "/cursors/cursors.txt", CursorManifest(PaintCursors()));
}
