#pragma once
// The display's gamma ramp: computed from the Gamma setting, and given back at exit.
#include "render/display_hooks.h"

#include <cstdint>

// 1.5 at Gamma 0, 1.0 at the neutral 50, 0.5 at 100.
float gammaExponent(uint32_t gamma);
// Entry i of each channel is 65536 x (i / 256) to the channel's power, kept within 0..65535.
GammaRamp computeGammaRamp(float red, float green, float blue);
// Computes the ramp and hands it to the display; false when the display refused it.
bool applyGammaRamp(float red, float green, float blue);

// Reads the ramp in force, to be given back by restoreGammaRamp.
bool saveGammaRamp();
// The saved ramp when one was read, else the straight ramp (exponent 1).
bool restoreGammaRamp();
