#include "core/random.h"

namespace {

uint32_t randomState = 1;

}  // namespace

void seedRandom(uint32_t seed) { randomState = seed; }

int32_t nextRandom()
{
    randomState = randomState * 214013u + 2531011u;
    return int32_t((randomState >> 16) & 32767u);
}

float randomFraction() { return float(nextRandom()) / 32767.0f; }

int32_t randomIndex(float factor) { return int32_t(randomFraction() * factor); }

Vec3 randomUnitVector()
{
    const float x = randomFraction() * 20.0f - 10.0f;
    const float y = randomFraction() * 20.0f - 10.0f;
    const float z = randomFraction() * 20.0f - 10.0f;
    return normalised(Vec3(x, y, z));
}
