#include "anim/Acterfactory.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "scene/Objefactory.h"

TActerFactory::TActerFactory(const TObjeFactory& factory, std::string_view moveStepPath,
                             std::string_view acterPath)
    : objeFactory(factory) {
    TDataReader moveSteps = TDataReader::FromFile(moveStepPath);
    steps = ReadMoveStepData(moveSteps);
    for (TObjeMotionData& motion : GroupMotions(steps)) {
        motions.emplace(motion.motionNo, std::move(motion));
    }
    LoadActers(acterPath);
}

void TActerFactory::LoadActers(std::string_view acterPath) {
    TDataReader reader = TDataReader::FromFile(acterPath);
    const std::vector<TActerFile> records = ReadActerData(reader);
    acterRecordCount = records.size();
    for (const TActerFile& record : records) {
        // A repeated number keeps the first record.
        if (plans.contains(record.acterNo)) {
            continue;
        }
        TActerPlan plan;
        plan.objeNo = record.objeNo;
        plan.variant = record.variant;
        for (const std::uint32_t motionNo : MotionNumbersOf(record.motionList)) {
            const TObjeMotionData* motion = MotionOf(motionNo);
            if (motion == nullptr) {
                reader.FailContent(Sjis("アクター ") + std::to_string(record.acterNo) +
                                   Sjis(" のモーション ") + std::to_string(motionNo) +
                                   Sjis(" が ") + MoveStepDataFileName + Sjis(" にありません"));
            }
            plan.motions.push_back(motion);
        }
        plans.emplace(record.acterNo, std::move(plan));
    }
}

const TActerPlan* TActerFactory::PlanOf(std::uint32_t acterNo) const {
    const auto found = plans.find(acterNo);
    return found == plans.end() ? nullptr : &found->second;
}

const TObjeMotionData* TActerFactory::MotionOf(std::uint32_t motionNo) const {
    const auto found = motions.find(motionNo);
    return found == motions.end() ? nullptr : &found->second;
}

std::unique_ptr<TActer> TActerFactory::CreateActer(std::uint32_t acterNo) const {
    const TActerPlan* plan = PlanOf(acterNo);
    if (plan == nullptr) {
        throw TGameError(Sjis("アクター番号 ") + std::to_string(acterNo) + Sjis(" がありません ") +
                         ActerDataFileName);
    }
    const auto objeNo = static_cast<std::uint32_t>(plan->objeNo);
    std::vector<IObje*> parts;
    std::unique_ptr<IObje> root = objeFactory.Create(objeNo, parts, plan->variant);
    if (root == nullptr) {
        throw TGameError(Sjis("アクター ") + std::to_string(acterNo) + Sjis(" の物体 ") +
                         std::to_string(objeNo) + Sjis(" を作れません"));
    }
    std::vector<std::unique_ptr<TObjeMotion>> motionList;
    for (const TObjeMotionData* motion : plan->motions) {
        motionList.push_back(std::make_unique<TObjeMotion>(*motion));
    }
    return std::make_unique<TActer>(std::move(root), objeNo, std::move(parts),
                                    std::move(motionList), objeFactory);
}
