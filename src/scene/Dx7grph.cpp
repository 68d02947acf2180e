#include "scene/Dx7grph.h"

#include "platform/GameError.h"
#include "platform/GameFiles.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "scene/Scenelog.h"
#include "scene/SwapList.h"
#include "scene/Xfileparser.h"

namespace {

bool ModelFileExists(const std::string& sjisPath) {
    try {
        return GameFileExists(sjisPath);
    } catch (const TGameError&) {
        // A name that is not valid Shift-JIS names no file.
        return false;
    }
}

} // namespace

CD3DFile& TDX7_Xfile::Model() {
    if (!model) {
        model = std::make_unique<CD3DFile>();
    }
    return *model;
}

bool TDX7_Xfile::LoadFile(const std::string& sjisPath) {
    if (!ModelFileExists(sjisPath)) {
        MessageSeam().ShowMessage(Sjis("ファイルが見つかりません  ") + sjisPath);
        return false;
    }
    try {
        Model().Load(sjisPath);
        return true;
    } catch (const TXFileFormatError& e) {
        LogSceneProblem("model", sjisPath, std::string(e.what()) + "; the model is discarded");
    } catch (const TGameError&) {
        LogSceneProblem("model", sjisPath, "cannot be read; the model is discarded");
    }
    return false;
}

void TDX7_Xfile::SwapList(const std::string& sjisText) {
    if (sjisText.empty()) {
        return;
    }
    CD3DFile& target = Model();
    for (const TSlotPair& pair : ParseSwapList(sjisText)) {
        target.SwapMat(pair.a, pair.b);
    }
}
