#pragma once

#include "platform/SingleInstance.h"

#include <cstdint>
#include <random>

// The one random source of the game's rules, a program-wide single object
// made with its seed. Every draw goes through here so that a seed and a
// script always replay the same game. The draws are our own arithmetic over
// mt19937, not a standard distribution, so every standard library gives the
// same numbers.
class TRandomSource : public TSingleInstance<TRandomSource> {
public:
    explicit TRandomSource(std::uint32_t seed);

    // Uniform integer in [0, bound); bound must be positive.
    int Below(int bound);

private:
    std::mt19937 engine;
};
