#pragma once
// The system calls the GL set-up and the gamma ramp need, handed in by the program (the platform
// layer) or by a test. A null hook means the call is not available.
#include "render/gl_extensions.h"

#include <array>
#include <cstdint>

using GammaRamp = std::array<uint16_t, 768>;  // 256 red, then 256 green, then 256 blue entries

struct DisplayHooks {
    ProcLookup procAddress = nullptr;  // OpenGL entry points by name
    bool (*setSwapInterval)(int interval) = nullptr;
    bool (*readGammaRamp)(GammaRamp& ramp) = nullptr;
    bool (*writeGammaRamp)(const GammaRamp& ramp) = nullptr;
};

void setDisplayHooks(const DisplayHooks& hooks);
const DisplayHooks& displayHooks();
