#pragma once

#include "platform/SingleInstance.h"
#include "scene/Grphdata.h"
#include "scene/Objebuilder.h"
#include "scene/Objedata.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class I3DFactory;
class I3DGrph;

// Owns every model the game shows and the plans of every object. All models
// are loaded when it is made, once per colouring; built objects share them and
// must not outlive the factory.
class TObjeFactory : public TSingleInstance<TObjeFactory> {
public:
    // Reads the object plans and the graphics list. A plan naming a graphics
    // number the list lacks raises "画像ポインタセットエラー".
    TObjeFactory(I3DFactory& factory, std::string_view grphListPath = GrphDataFileName,
                 std::string_view objeDataPath = ObjeDataFileName);
    TObjeFactory(const TObjeFactory&) = delete;
    TObjeFactory& operator=(const TObjeFactory&) = delete;

    // The object's tree with `parts` in plan order; variant 1 to 7 picks
    // alternative graphics. Null when the plans do not link (after telling
    // why); an unknown object number raises TGameError.
    std::unique_ptr<IObje> Create(std::uint32_t objeNo, std::vector<IObje*>& parts,
                                  int variant) const;
    // Puts parts built from this object back into their planned pose:
    // visibility and graphics stay as they are.
    void ResetParts(std::uint32_t objeNo, const std::vector<IObje*>& parts) const;
    // New graphics with the swap list applied, loaded from modelPath + ".x".
    std::unique_ptr<I3DGrph> CreateGrph(const std::string& sjisModelPath,
                                        const std::string& sjisSwapList) const;

    bool HasObje(std::uint32_t objeNo) const { return objects.contains(objeNo); }
    // Null when the list has no such number.
    const TGrphKind* GrphKindOf(std::uint32_t grphNo) const;
    const std::vector<TObjePlan>& Plans() const { return plans; }

private:
    void LoadGraphics(std::string_view grphListPath);
    void RequirePlanGraphics();
    void GroupObjects();
    const std::vector<TPartPlan>& PlansOf(std::uint32_t objeNo) const;

    TObjeBuilder builder;
    std::vector<TObjePlan> plans;
    std::map<std::uint32_t, std::vector<TPartPlan>> objects;
    I3DFactory& grphFactory;
    std::map<std::uint32_t, TGrphKind> graphics;
};
