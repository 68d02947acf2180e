#pragma once

#include "anim/Objemotion.h"
#include "scene/Iobje.h"
#include "scene/Matrixope.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class TObjeFactory;

// The animated body of anything on the map: an object tree, its parts in plan
// order and the motions it can play. The matrix operations move and turn the
// whole body (they act on the root object); once per tick the owner calls
// Step, which plays the current motion's command lines on the parts.
class TActer final : public IMatrixOpe {
public:
    // `parts` are the tree's objects in plan order; `objeFactory` restores
    // their planned pose for ResetPose and must outlive the acter.
    TActer(std::unique_ptr<IObje> root, std::uint32_t objeNo, std::vector<IObje*> parts,
           std::vector<std::unique_ptr<TObjeMotion>> motions, const TObjeFactory& objeFactory);

    IMatrix& GetMat() override { return root->GetMatrix(); }
    IObje& GetRoot() const { return *root; }
    IMatrix& GetRootMatrix() const { return root->GetMatrix(); }
    std::uint32_t ObjeNo() const { return objeNo; }
    const std::vector<IObje*>& Parts() const { return parts; }
    size_t MotionCount() const { return motions.size(); }

    // Restarts the indexed motion, even when it is playing. An index outside
    // the list plays nothing; an acter without motions ignores the call.
    void SetMotion(std::int16_t index);
    // Nothing plays from now on; the body keeps its pose.
    void StopMotion();
    // One tick of the current motion, its lines applied in order. True when
    // the motion has ended or finished a cycle.
    bool Step();
    // One command line. An unknown command, one short of its numbers or one
    // naming a part the body lacks shows "命令文不正エラー" and does nothing;
    // a part number or number that is not a number raises TGameError.
    void Exec(std::string_view line);
    // The same for a line parsed before.
    void Apply(const TActerCommand& command);
    // Plays the motion to its end (or the end of its first cycle) at once.
    // A motion that never ends raises TGameError instead of hanging.
    void RunMotionToEnd(std::int16_t index);
    // Shows or hides the part at the 0-based position; others are ignored.
    void SetPartVisible(size_t index, bool visible);
    // Every part back to its planned transform; visibility stays.
    void ResetPose();

private:
    std::unique_ptr<IObje> root;
    std::uint32_t objeNo;
    std::vector<IObje*> parts;
    std::vector<std::unique_ptr<TObjeMotion>> motions;
    TObjeMotion* current;
    const TObjeFactory& objeFactory;
    // Kept by each acter, not shared: a message shown by a faulty line may
    // let other acters step before this one has applied all its lines.
    std::vector<const TMotionStepProg*> played;
};
