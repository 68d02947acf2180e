#include "scene/Objebuilder.h"

#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "scene/I3DFactory.h"

#include <optional>

namespace {

I3DGrph* GrphOf(const TPartPlan& part, int variant) {
    if (part.grphSet == nullptr) {
        return nullptr;
    }
    const size_t entry =
        variant >= 1 && variant <= 7 ? part.plan->variantGrph[variant - 1] : size_t{0};
    return entry < TGrphKind::EntryCount ? part.grphSet->entries[entry].get() : nullptr;
}

bool IsZero(const TPlanVector& v) {
    return v.x == 0 && v.y == 0 && v.z == 0;
}

// Every part names an existing group of the object as its parent and leads
// up to the one root without a cycle; otherwise the object cannot be linked.
bool ParentsLeadToRoot(const std::vector<TPartPlan>& plans, size_t root) {
    const size_t count = plans.size();
    for (size_t i = 0; i < count; ++i) {
        size_t at = i;
        for (size_t steps = 0; at != root; ++steps) {
            const std::int32_t parentNo = plans[at].plan->parentNo;
            if (steps == count || parentNo <= 0 || static_cast<size_t>(parentNo) > count) {
                return false;
            }
            at = static_cast<size_t>(parentNo) - 1;
            if (plans[at].plan->isLeaf != 0) {
                return false;
            }
        }
    }
    return true;
}

std::optional<size_t> RootOf(const std::vector<TPartPlan>& plans) {
    std::optional<size_t> root;
    for (size_t i = 0; i < plans.size(); ++i) {
        if (plans[i].plan->parentNo != 0) {
            continue;
        }
        if (root) {
            MessageSeam().ShowMessage(Sjis("親物体が２つ以上ある"));
            return std::nullopt;
        }
        root = i;
    }
    return root;
}

} // namespace

std::unique_ptr<IObje> TObjeBuilder::Build(const std::vector<TPartPlan>& plans,
                                           std::vector<IObje*>& parts, int variant) const {
    parts.clear();
    std::vector<std::unique_ptr<IObje>> made;
    for (const TPartPlan& part : plans) {
        made.push_back(part.plan->isLeaf != 0
                           ? grphFactory.NewLeaf(true, GrphOf(part, variant), false)
                           : grphFactory.NewGroup(true));
        ApplyPlan(*made.back(), *part.plan);
    }
    const std::optional<size_t> root = RootOf(plans);
    if (!root || !ParentsLeadToRoot(plans, *root)) {
        MessageSeam().ShowMessage(Sjis("物体生成エラー"));
        return nullptr;
    }
    for (const auto& part : made) {
        parts.push_back(part.get());
    }
    for (size_t i = 0; i < plans.size(); ++i) {
        if (i != *root) {
            parts[static_cast<size_t>(plans[i].plan->parentNo) - 1]->Add(std::move(made[i]));
        }
    }
    return std::move(made[*root]);
}

void TObjeBuilder::ApplyPlan(IObje& part, const TObjePlan& plan) {
    if (!IsZero(plan.scale)) {
        part.Scale(plan.scale.x, plan.scale.y, plan.scale.z);
    }
    if (plan.xRota.angle != 0) {
        if (plan.xRota.shiftA != 0 || plan.xRota.shiftB != 0) {
            part.XRotaAxis(plan.xRota.angle, plan.xRota.shiftA, plan.xRota.shiftB);
        } else {
            part.XRota(plan.xRota.angle);
        }
    }
    if (plan.yRota.angle != 0) {
        if (plan.yRota.shiftA != 0 || plan.yRota.shiftB != 0) {
            part.YRotaAxis(plan.yRota.angle, plan.yRota.shiftA, plan.yRota.shiftB);
        } else {
            part.YRota(plan.yRota.angle);
        }
    }
    if (plan.zRota.angle != 0) {
        if (plan.zRota.shiftA != 0 || plan.zRota.shiftB != 0) {
            part.ZRotaAxis(plan.zRota.angle, plan.zRota.shiftA, plan.zRota.shiftB);
        } else {
            part.ZRota(plan.zRota.angle);
        }
    }
    if (!IsZero(plan.position)) {
        part.Move(plan.position.x, plan.position.y, plan.position.z);
    }
    if (plan.visible == 0) {
        part.visible = false;
    }
}
