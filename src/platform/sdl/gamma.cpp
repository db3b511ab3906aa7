#include "platform/sdl/sdl_window.h"

namespace platform {

bool readGammaRamp(GammaRamp& ramp)
{
    Window* window = sdl::mainWindow();
    return window && SDL_GetWindowGammaRamp(window->sdl, &ramp[0], &ramp[256], &ramp[512]) == 0;
}

bool writeGammaRamp(const GammaRamp& ramp)
{
    Window* window = sdl::mainWindow();
    return window && SDL_SetWindowGammaRamp(window->sdl, &ramp[0], &ramp[256], &ramp[512]) == 0;
}

}  // namespace platform
