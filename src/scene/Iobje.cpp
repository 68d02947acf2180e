#include "scene/Iobje.h"

#include "platform/MessageSeam.h"
#include "platform/SjisText.h"

int IObje::LoadGrphFile(const std::string&) {
    MessageSeam().ShowMessage(Sjis("IObje::LoadGrphFile仮想メソッド非対応"));
    return 0;
}

void IObje::TIterator::GetCurrent(I3DGrph*& graphics, TOneMat& world) const {
    const IObje& item = *Current();
    graphics = item.GetGrph();
    if (Depth() == 0) {
        world = item.GetMatrix().GetOneMat();
    } else {
        world = MatProduct(item.GetMatrix(), NodeAt(Depth() - 1).World());
    }
}
