#include "actors/Acterbodyimp.h"

#include "anim/Acterfactory.h"

void TActerBody::SetPartVisible(int index, bool visible) {
    // Parts are counted from 0; a negative position names none.
    if (index >= 0) {
        acter->SetPartVisible(static_cast<std::size_t>(index), visible);
    }
}

std::unique_ptr<IActerBody> TActerBodySource::NewBody(std::uint32_t acterNo) const {
    return std::make_unique<TActerBody>(acters.CreateActer(acterNo));
}
