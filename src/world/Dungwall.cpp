#include "world/Dungwall.h"

#include "activemap/Activemapproxy.h"
#include "world/Dungblock.h"

TPieceActer::TPieceActer(std::unique_ptr<IActerBody> pieceBody) : IDungActer(std::move(pieceBody)) {
    SetState(NullState());
}

void TPieceActer::PlaceOn(TDungBlock* onBlock) {
    // Without a record, moving only remembers the block.
    MoveTo(onBlock);
}

std::unique_ptr<IActerBody> PieceBody(const IActerBodySource& bodies, std::int32_t bodyNumber) {
    if (bodyNumber == 0) {
        return nullptr;
    }
    return bodies.NewBody(static_cast<std::uint32_t>(bodyNumber));
}

TDungBlock* TCounter::BlockBehind(std::uint8_t dir) const {
    return TActiveMapProxy::Instance().GetNeighbour(GetBlock(), dir);
}

DA_Action TCounter::ActionFor(std::uint8_t dir) {
    const TDungBlock* behind = BlockBehind(dir);
    return behind && behind->ActionFrom(dir) == dac_Talk ? dac_Talk : dac_Attack;
}

TTalkDepot* TCounter::TalkPartnerFor(std::uint8_t dir) {
    const TDungBlock* behind = BlockBehind(dir);
    return behind ? behind->TalkPartnerFrom(dir) : nullptr;
}
