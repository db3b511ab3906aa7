#pragma once
// Deterministic pseudo-random numbers and smooth noise for procedural pictures.

#include <cstdint>

namespace content {

// A small linear congruential generator: the same seed gives the same sequence on every build.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed) {}
    uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_;
    }
    // Uniform in [0, 1).
    double fraction() { return (next() >> 8) * (1.0 / 16777216.0); }

private:
    uint32_t state_;
};

// Value noise in [0, 1], smooth in x and y, lattice spacing 1.
float valueNoise(float x, float y, uint32_t seed);
// Sum of octaves of value noise, normalised to [0, 1].
float fractalNoise(float x, float y, int octaves, uint32_t seed);

} // namespace content
