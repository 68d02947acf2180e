#pragma once

#include "actors/Acterbody.h"
#include "anim/Acter.h"

#include <memory>

class TActerFactory;

// An acter as an actor's body.
class TActerBody final : public IActerBody {
public:
    explicit TActerBody(std::unique_ptr<TActer> body) : acter(std::move(body)) {}

    IMatrix& GetMat() override { return acter->GetMat(); }
    void SetMotion(std::int16_t index) override { acter->SetMotion(index); }
    void StopMotion() override { acter->StopMotion(); }
    bool Step() override { return acter->Step(); }
    void SetPartVisible(int index, bool visible) override;
    void ResetPose() override { acter->ResetPose(); }
    void RunMotionToEnd(std::int16_t index) override { acter->RunMotionToEnd(index); }
    IObje& GetRoot() const override { return acter->GetRoot(); }

    TActer& Acter() const { return *acter; }

private:
    std::unique_ptr<TActer> acter;
};

// Bodies made by the acter factory, which must outlive them.
class TActerBodySource final : public IActerBodySource {
public:
    explicit TActerBodySource(const TActerFactory& factory) : acters(factory) {}

    std::unique_ptr<IActerBody> NewBody(std::uint32_t acterNo) const override;

private:
    const TActerFactory& acters;
};
