#pragma once

#include "actors/Idungacter.h"

#include <cstdint>
#include <memory>

// Static scenery: no states of its own and no record, so nothing of it is
// saved. It is drawn through its block's matrix, so placing it leaves the
// body where the plan put it.
class TPieceActer : public IDungActer {
public:
    explicit TPieceActer(std::unique_ptr<IActerBody> pieceBody);

    std::uint8_t* GetRecord() override { return nullptr; }
    std::uint8_t* GetIdentity() override { return nullptr; }
    void PlaceOn(TDungBlock* onBlock) override;
};

// The body a piece's plan names; none for body number 0, and then nothing
// is drawn for the piece.
std::unique_ptr<IActerBody> PieceBody(const IActerBodySource& bodies, std::int32_t bodyNumber);

// A wall piece, a floor tile or a big village object.
class TDungWall final : public TPieceActer {
public:
    using TPieceActer::TPieceActer;

    DA_Action ActionFor(std::uint8_t) override { return dac_Attack; }
    TActerKind GetKind() const override { return TActerKind::DungWall; }
};

// A counter closes its square like a wall, but the heroine can talk across it
// to whoever stands behind; nothing else reaches through.
class TCounter final : public TPieceActer {
public:
    using TPieceActer::TPieceActer;

    DA_Action ActionFor(std::uint8_t dir) override;
    TTalkDepot* TalkPartnerFor(std::uint8_t dir) override;
    TActerKind GetKind() const override { return TActerKind::Counter; }

private:
    // The block behind the counter for a talker facing `dir`; null at the
    // edge of the grid, where there is no one to talk to.
    TDungBlock* BlockBehind(std::uint8_t dir) const;
};
