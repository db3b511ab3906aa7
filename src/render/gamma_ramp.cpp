#include "render/gamma_ramp.h"

#include <cmath>
#include <optional>

namespace {

std::optional<GammaRamp> savedRamp;

uint16_t rampEntry(int index, float exponent)
{
    const double value = 65536.0 * std::pow(index / 256.0, double(exponent));
    // A Gamma beyond 100 gives a negative exponent: the entries would run past the 16-bit range.
    if (!(value >= 0.0))
        return 0;
    return value >= 65535.0 ? uint16_t(65535) : uint16_t(value);
}

}  // namespace

float gammaExponent(uint32_t gamma)
{
    return 1.0f - ((float(gamma) - 50.0f) / 50.0f) * 0.5f;
}

GammaRamp computeGammaRamp(float red, float green, float blue)
{
    GammaRamp ramp{};
    const float exponents[3] = {red, green, blue};
    for (int channel = 0; channel < 3; ++channel)
        for (int i = 0; i < 256; ++i)
            ramp[size_t(channel * 256 + i)] = rampEntry(i, exponents[channel]);
    return ramp;
}

bool applyGammaRamp(float red, float green, float blue)
{
    const auto write = displayHooks().writeGammaRamp;
    return write && write(computeGammaRamp(red, green, blue));
}

bool saveGammaRamp()
{
    savedRamp.reset();
    const auto read = displayHooks().readGammaRamp;
    GammaRamp ramp{};
    if (!read || !read(ramp))
        return false;
    // A ramp ending in black would darken the screen for good: that is no reading to give back.
    if (ramp[255] == 0 || ramp[511] == 0 || ramp[767] == 0)
        return false;
    savedRamp = ramp;
    return true;
}

bool restoreGammaRamp()
{
    if (!savedRamp)
        return applyGammaRamp(1.0f, 1.0f, 1.0f);
    const auto write = displayHooks().writeGammaRamp;
    return write && write(*savedRamp);
}
