#include "viewer/core/ModelSubject.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "scene/I3DEngine.h"
#include "viewer/core/ModelOutline.h"

TModelSubject::TModelSubject(const std::string& sjisPath) {
    if (!graphics.LoadFile(sjisPath)) {
        throw TGameError(Sjis("モデルを読み込めません ") + sjisPath);
    }
}

void TModelSubject::Draw(I3DEngine& engine, const TOneMat& turn) const {
    engine.Draw(graphics, turn);
}

TBounds TModelSubject::Bounds() const {
    TBounds bounds;
    AddModel(bounds, *graphics.LoadedModel(), IdentityMat());
    return bounds;
}

std::vector<std::string> TModelSubject::Outline() const {
    std::vector<std::string> lines;
    OutlineModel(*graphics.LoadedModel(), 0, lines);
    return lines;
}
