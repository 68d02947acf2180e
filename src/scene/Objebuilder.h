#pragma once

#include "scene/Iobje.h"
#include "scene/Objeplan.h"

#include <memory>
#include <vector>

class I3DFactory;

// One plan of an object with the graphics set its graphics number names
// (null when it names none).
struct TPartPlan {
    const TObjePlan* plan;
    const TGrphKind* grphSet;
};

// Builds object trees from plans. Leaves share the graphics of their set and
// never own them; every part gets a composed matrix.
class TObjeBuilder {
public:
    explicit TObjeBuilder(I3DFactory& factory) : grphFactory(factory) {}

    // One part per plan, in plan order, into `parts` (callers address parts by
    // that order). Variant 1 to 7 picks alternative graphics. Returns the root,
    // or null after telling why; the parts list is then empty.
    std::unique_ptr<IObje> Build(const std::vector<TPartPlan>& plans, std::vector<IObje*>& parts,
                                 int variant) const;

    // The plan's scale, rotations and position added through the part's
    // matrix, and its hidden flag.
    static void ApplyPlan(IObje& part, const TObjePlan& plan);

private:
    I3DFactory& grphFactory;
};
