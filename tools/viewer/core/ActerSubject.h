#pragma once

#include "anim/Acterfactory.h"
#include "scene/Dx7factory.h"
#include "scene/Objefactory.h"
#include "viewer/core/ViewSubject.h"

#include <cstdint>
#include <memory>

// An acter of a game, built as the game builds it from Data/ and Obje/ of
// the current folder.
class TActerSubject final : public TViewSubject {
public:
    // Raises TGameError when the data cannot be read or has no such acter.
    explicit TActerSubject(std::uint32_t acterNo);
    ~TActerSubject() override;

    void Draw(I3DEngine& engine, const TOneMat& turn) const override;
    TBounds Bounds() const override;
    std::vector<std::string> Outline() const override;
    std::vector<std::string> MotionNames() const override;
    void PlayMotion(int index) override;
    void StopMotion() override;
    void Step() override;
    void ResetPose() override;

private:
    void OutlinePart(const IObje& part, int depth, std::vector<std::string>& lines) const;

    std::uint32_t acterNo;
    TDX7Factory graphicsFactory;
    std::unique_ptr<TObjeFactory> objeFactory;
    std::unique_ptr<TActerFactory> acterFactory;
    std::unique_ptr<TActer> acter;
};
