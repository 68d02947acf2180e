#pragma once

#include "actors/Acterbody.h"
#include "scene/Dx7matrix.h"
#include "scene/NullEngine.h"
#include "scene/Obje.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// A body of one leaf with null graphics of its own, on a composed matrix as
// the root of a real body has, and motions that last a given number of
// ticks. Keeps every motion selected.
class TFakeBody final : public IActerBody {
public:
    static constexpr std::int16_t Stopped = -1;

    explicit TFakeBody(int motionTicks = 0)
        : root(std::make_unique<TObjeLeaf>(std::make_unique<TGroupMat>())),
          ticksPerMotion(motionTicks) {
        root->SetGrph(std::make_unique<TNullGrph>().release(), true);
    }

    IMatrix& GetMat() override { return root->GetMatrix(); }
    void SetMotion(std::int16_t index) override {
        motion = index;
        ticksLeft = ticksPerMotion;
        motions.push_back(index);
    }
    void StopMotion() override {
        motion = Stopped;
        ticksLeft = 0;
        motions.push_back(Stopped);
    }
    bool Step() override {
        if (ticksLeft > 0) {
            --ticksLeft;
        }
        return ticksLeft == 0;
    }
    void SetPartVisible(int index, bool visible) override {
        lastPart = index;
        lastPartVisible = visible;
        partsVisible[index] = visible;
    }
    void ResetPose() override { ++poseResets; }
    void RunMotionToEnd(std::int16_t index) override { motionsRunToEnd.push_back(index); }

    IObje& GetRoot() const override { return *root; }

    const TGroupMat& Matrix() const { return static_cast<const TGroupMat&>(root->GetMatrix()); }
    float X() const { return Matrix().Position().x; }
    float Z() const { return Matrix().Position().z; }
    // Degrees turned about the vertical axis.
    float Turned() const { return Matrix().Rotation().y; }
    // What the engine is handed when the body is drawn.
    const I3DGrph* Graphics() const { return root->GetGrph(); }
    std::int16_t Motion() const { return motion; }
    const std::vector<std::int16_t>& Motions() const { return motions; }
    int lastPart = -1;
    bool lastPartVisible = false;
    // Parts shown or hidden so far, by position.
    std::map<int, bool> partsVisible;
    int poseResets = 0;
    std::vector<std::int16_t> motionsRunToEnd;

private:
    std::unique_ptr<TObjeLeaf> root;
    int ticksPerMotion;
    int ticksLeft = 0;
    std::int16_t motion = Stopped;
    std::vector<std::int16_t> motions;
};

// Notes every acter number asked for; the bodies come from `real` when it is
// set, else they are fake bodies.
class TRecordingBodies final : public IActerBodySource {
public:
    std::unique_ptr<IActerBody> NewBody(std::uint32_t acterNo) const override {
        asked.push_back(acterNo);
        return real ? real->NewBody(acterNo) : std::make_unique<TFakeBody>();
    }

    const IActerBodySource* real = nullptr;
    mutable std::vector<std::uint32_t> asked;
};
