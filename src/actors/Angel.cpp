#include "actors/Angel.h"

void TAngel::PlaceFairy(TDungBlock* onBlock, TSaveAct& fairyRecord) {
    record = &fairyRecord;
    PlaceOn(onBlock);
}
