#include "actors/Acterbodyimp.h"

void TActerBody::SetPartVisible(int index, bool visible) {
    // Parts are counted from 0; a negative position names none.
    if (index >= 0) {
        acter->SetPartVisible(static_cast<std::size_t>(index), visible);
    }
}
