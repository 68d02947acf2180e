#include "viewer/core/ActerSubject.h"

#include "scene/Dx7grph.h"
#include "scene/I3DEngine.h"
#include "scene/Iobje.h"
#include "viewer/core/ModelOutline.h"

#include <algorithm>

namespace {

std::string Indent(int depth) {
    return std::string(static_cast<size_t>(depth) * 2, ' ');
}

const CD3DFile* ModelOf(const I3DGrph* graphics) {
    const auto* model = dynamic_cast<const TDX7_Xfile*>(graphics);
    return model ? model->LoadedModel() : nullptr;
}

// Every visible leaf with graphics, with its world matrix.
template <typename F> void ForEachLeaf(IObje& root, F&& visit) {
    IObje::TIterator walk;
    walk.Attach(&root);
    for (walk.First(); !walk.IsDone(); walk.Next()) {
        I3DGrph* graphics = nullptr;
        TOneMat world;
        walk.GetCurrent(graphics, world);
        if (graphics) {
            visit(*graphics, world);
        }
    }
}

} // namespace

TActerSubject::TActerSubject(std::uint32_t number)
    : acterNo(number),
      graphicsFactory(std::make_unique<TDX7_Xfile>(), [] { return std::unique_ptr<I3DEngine>(); }),
      objeFactory(std::make_unique<TObjeFactory>(graphicsFactory)),
      acterFactory(std::make_unique<TActerFactory>(*objeFactory)),
      acter(acterFactory->CreateActer(number)) {}

// The acter goes first: its leaves point into the object factory's graphics.
TActerSubject::~TActerSubject() {
    acter.reset();
    acterFactory.reset();
    objeFactory.reset();
}

void TActerSubject::Draw(I3DEngine& engine, const TOneMat& turn) const {
    ForEachLeaf(acter->GetRoot(), [&](I3DGrph& graphics, const TOneMat& world) {
        engine.Draw(graphics, MatProduct(world, turn));
    });
}

TBounds TActerSubject::Bounds() const {
    TBounds bounds;
    ForEachLeaf(acter->GetRoot(), [&](I3DGrph& graphics, const TOneMat& world) {
        if (const CD3DFile* model = ModelOf(&graphics)) {
            AddModel(bounds, *model, world.Values());
        }
    });
    return bounds;
}

void TActerSubject::OutlinePart(const IObje& part, int depth,
                                std::vector<std::string>& lines) const {
    const auto& parts = acter->Parts();
    const auto found = std::find(parts.begin(), parts.end(), &part);
    const std::string number =
        found == parts.end() ? "?" : std::to_string(found - parts.begin() + 1);
    const bool leaf = part.Composite().IsLeaf();
    lines.push_back(Indent(depth) + "Part " + number + (leaf ? " (leaf)" : " (group)") +
                    (part.visible ? "" : ", hidden"));
    if (leaf) {
        if (const CD3DFile* model = ModelOf(part.GetGrph())) {
            OutlineModel(*model, depth + 1, lines);
        } else {
            lines.push_back(Indent(depth + 1) + "no graphics");
        }
        return;
    }
    for (const auto& child : static_cast<const TListComp<IObje>&>(part.Composite()).GetList()) {
        OutlinePart(*child, depth + 1, lines);
    }
}

std::vector<std::string> TActerSubject::Outline() const {
    std::vector<std::string> lines{"Acter " + std::to_string(acterNo) + ", object " +
                                   std::to_string(acter->ObjeNo())};
    OutlinePart(acter->GetRoot(), 1, lines);
    return lines;
}

std::vector<std::string> TActerSubject::MotionNames() const {
    std::vector<std::string> names;
    const TActerPlan* plan = acterFactory->PlanOf(acterNo);
    for (size_t i = 0; plan && i < plan->motions.size(); ++i) {
        const TObjeMotionData& motion = *plan->motions[i];
        names.push_back(std::to_string(i) + ": motion " + std::to_string(motion.motionNo) + ", " +
                        std::to_string(motion.steps.size()) + " steps");
    }
    return names;
}

void TActerSubject::PlayMotion(int index) {
    acter->SetMotion(static_cast<std::int16_t>(index));
}

void TActerSubject::StopMotion() {
    acter->StopMotion();
}

void TActerSubject::Step() {
    acter->Step();
}

void TActerSubject::ResetPose() {
    acter->StopMotion();
    acter->ResetPose();
}
