#include "activemap/Pendingobjects.h"

#include "actors/Idungacter.h"

bool TPendingObjects::Tick() {
    // By position: ticking may append to the list.
    for (std::size_t i = 0; i < actors.size();) {
        if (actors[i]->Tick()) {
            actors.erase(actors.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    return actors.empty();
}
