#pragma once

#include <cstdint>

// Deterministic texture noise: the same arguments give the same values on
// every machine, so generated pictures are byte-identical from run to run.

// A value in [0, 1) for an integer lattice point.
double HashNoise(int x, int y, std::uint32_t seed);
// Smooth value noise in [0, 1) with features about `cell` pixels wide.
double SmoothNoise(double x, double y, double cell, std::uint32_t seed);
