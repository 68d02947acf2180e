#pragma once

#include <cstddef>
#include <vector>

class IDungActer;

// Doors, switches and chests in motion on a floor, ticked with it in the
// order they started until each has finished; the turn waits for them.
class TPendingObjects {
public:
    void Add(IDungActer& actor) { actors.push_back(&actor); }
    // One tick of each; those that have finished leave. One that starts
    // moving meanwhile joins the end and is ticked in this pass too. True
    // when none is left moving.
    bool Tick();
    void Clear() { actors.clear(); }
    const std::vector<IDungActer*>& List() const { return actors; }

private:
    std::vector<IDungActer*> actors;
};
