#include "scene/Objefactory.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "scene/I3DFactory.h"
#include "scene/I3DGrph.h"

TObjeFactory::TObjeFactory(I3DFactory& factory, std::string_view grphListPath,
                           std::string_view objeDataPath)
    : builder(factory), grphFactory(factory) {
    TDataReader objeData = TDataReader::FromFile(objeDataPath);
    plans = ReadObjeData(objeData);
    LoadGraphics(grphListPath);
    RequirePlanGraphics();
    GroupObjects();
}

void TObjeFactory::LoadGraphics(std::string_view grphListPath) {
    TDataReader reader = TDataReader::FromFile(grphListPath);
    // Relative to the current folder, so the folders above it may bear
    // names Shift-JIS cannot hold.
    const std::string modelFolder = "Obje/";
    for (const TGrphFile& record : ReadGrphData(reader)) {
        // A repeated number keeps the first record; the others are never used.
        if (graphics.contains(record.grphNo)) {
            continue;
        }
        TGrphKind& kind = graphics[record.grphNo];
        const std::string modelPath = modelFolder + record.modelName;
        kind.entries[0] = CreateGrph(modelPath, {});
        for (size_t k = 0; k < TGrphFile::SwapListCount; ++k) {
            if (!record.swapLists[k].empty()) {
                kind.entries[k + 1] = CreateGrph(modelPath, record.swapLists[k]);
            }
        }
    }
}

void TObjeFactory::RequirePlanGraphics() {
    for (const TObjePlan& plan : plans) {
        if (plan.grphNo != 0 && !graphics.contains(plan.grphNo)) {
            throw TGameError(Sjis("画像ポインタセットエラー"));
        }
    }
}

void TObjeFactory::GroupObjects() {
    for (size_t start = 0; start < plans.size();) {
        const std::uint32_t objeNo = plans[start].objeNo;
        size_t end = start;
        while (end < plans.size() && plans[end].objeNo == objeNo) {
            ++end;
        }
        // A later run with a number already seen is ignored.
        if (!objects.contains(objeNo)) {
            std::vector<TPartPlan>& parts = objects[objeNo];
            for (size_t i = start; i < end; ++i) {
                parts.push_back({&plans[i], GrphKindOf(plans[i].grphNo)});
            }
        }
        start = end;
    }
}

const TGrphKind* TObjeFactory::GrphKindOf(std::uint32_t grphNo) const {
    const auto found = graphics.find(grphNo);
    return found == graphics.end() ? nullptr : &found->second;
}

const std::vector<TPartPlan>& TObjeFactory::PlansOf(std::uint32_t objeNo) const {
    const auto found = objects.find(objeNo);
    if (found == objects.end()) {
        throw TGameError(Sjis("物体番号 ") + std::to_string(objeNo) + Sjis(" がありません ") +
                         ObjeDataFileName);
    }
    return found->second;
}

std::unique_ptr<IObje> TObjeFactory::Create(std::uint32_t objeNo, std::vector<IObje*>& parts,
                                            int variant) const {
    return builder.Build(PlansOf(objeNo), parts, variant);
}

void TObjeFactory::ResetParts(std::uint32_t objeNo, const std::vector<IObje*>& parts) const {
    const std::vector<TPartPlan>& partPlans = PlansOf(objeNo);
    for (size_t i = 0; i < parts.size() && i < partPlans.size(); ++i) {
        const bool visible = parts[i]->visible;
        parts[i]->Init();
        TObjeBuilder::ApplyPlan(*parts[i], *partPlans[i].plan);
        parts[i]->visible = visible;
    }
}

std::unique_ptr<I3DGrph> TObjeFactory::CreateGrph(const std::string& sjisModelPath,
                                                  const std::string& sjisSwapList) const {
    std::unique_ptr<I3DGrph> grph = grphFactory.NewGrph();
    if (!sjisSwapList.empty()) {
        grph->SwapList(sjisSwapList);
    }
    grph->LoadFile(sjisModelPath + ".x");
    return grph;
}
