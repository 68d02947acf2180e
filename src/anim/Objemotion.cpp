#include "anim/Objemotion.h"

namespace {

// A step that can never reach its count runs on; the counter wraps instead
// of overflowing.
std::int32_t Wrapped(std::int32_t value, std::int32_t delta) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) +
                                     static_cast<std::uint32_t>(delta));
}

} // namespace

TObjeMotion& TObjeMotion::Empty() {
    static TObjeMotion empty;
    return empty;
}

void TObjeMotion::Start() {
    counter = 0;
    current.reset();
    if (steps != nullptr && !steps->empty()) {
        current = 0;
    }
    finished = false;
}

bool TObjeMotion::Step(std::vector<const TMotionStepProg*>& played) {
    if (!current || finished) {
        return true;
    }
    const TMotionStepProg& step = *(*steps)[*current];
    played.push_back(&step);
    counter = Wrapped(counter, step.head.countUp != 0 ? 1 : -1);
    if (counter != step.head.count) {
        return false;
    }
    if (step.head.nextStep == 0) {
        current.reset();
        finished = true;
        return true;
    }
    const bool cycleEnded = step.head.cycleEnd != 0;
    current = static_cast<size_t>(step.head.nextStep) - 1;
    if ((*steps)[*current]->head.countUp != 0) {
        counter = 0;
    }
    return cycleEnded;
}
