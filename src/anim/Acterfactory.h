#pragma once

#include "anim/Acter.h"
#include "anim/Acterplan.h"
#include "anim/Movestepdata.h"
#include "platform/SingleInstance.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

class TObjeFactory;

// Reads every motion and every acter plan at start-up and makes acters by
// acter number. Acters use the factory's motions and the object factory's
// graphics, so neither factory may go before them.
class TActerFactory : public TSingleInstance<TActerFactory> {
public:
    // A plan naming a motion the motion file lacks is refused.
    TActerFactory(const TObjeFactory& objeFactory,
                  std::string_view moveStepPath = MoveStepDataFileName,
                  std::string_view acterPath = ActerDataFileName);
    TActerFactory(const TActerFactory&) = delete;
    TActerFactory& operator=(const TActerFactory&) = delete;

    // A new acter, owned by the caller, playing nothing. An unknown acter
    // number, or an object that does not build, raises TGameError.
    std::unique_ptr<TActer> CreateActer(std::uint32_t acterNo) const;

    // Null when the file has no such number.
    const TActerPlan* PlanOf(std::uint32_t acterNo) const;
    const TObjeMotionData* MotionOf(std::uint32_t motionNo) const;
    size_t ActerRecordCount() const { return acterRecordCount; }

private:
    void LoadActers(std::string_view acterPath);

    const TObjeFactory& objeFactory;
    std::map<std::uint32_t, TActerPlan> plans;
    std::map<std::uint32_t, TObjeMotionData> motions;
    std::vector<TMotionStepProg> steps;
    size_t acterRecordCount = 0;
};
