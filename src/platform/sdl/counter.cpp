#include "core/frame_timer.h"
#include "platform/platform.h"

#include <SDL2/SDL.h>

namespace platform {
namespace {

int64_t performanceCounter() { return int64_t(SDL_GetPerformanceCounter()); }
int64_t performanceFrequency() { return int64_t(SDL_GetPerformanceFrequency()); }

}  // namespace

void installCounter()
{
    setCounterSource(performanceCounter, performanceFrequency);
}

}  // namespace platform
