#include "shell/Entrancescreen.h"

#include "shell/Dungoperator.h"
#include "village/Entrancechoice.h"
#include "village/Eventoperator.h"
#include "world/Area.h"

void TEntranceScreenBase::ShowEntranceForm() {
    if (!IsOpen()) {
        OpenScreen(
            TEntranceChoice(TAreaOperator::Instance(), TEventOperator::Instance().State().areas));
    }
}

void TEntranceScreenBase::Enter(int number) {
    ForgetScreen();
    dungOperator.EnterDungeon(number, false);
}

void TEntranceScreenBase::Return() {
    ForgetScreen();
    dungOperator.EndDungeonVisit();
}
