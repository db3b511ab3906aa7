#pragma once
// The program's own random generator: a 32-bit linear congruential state, starting at 1, giving
// values 0..32767. Seeded once by the saver run; objects built before that draw from the start.
#include <cstdint>

#include "core/vec3.h"

void seedRandom(uint32_t seed);
int32_t nextRandom();  // 0..32767

// Uniform in [0, 1], both ends included.
float randomFraction();

// The truncation of randomFraction() * factor; a factor just below the number of choices
// (3.8 for four) picks 0 .. choices - 1.
int32_t randomIndex(float factor);

// x, y, z each randomFraction() * 20 - 10, drawn in that order, then normalised.
Vec3 randomUnitVector();
