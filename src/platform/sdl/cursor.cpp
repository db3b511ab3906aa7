#include "platform/sdl/sdl_window.h"

namespace platform {

void showCursor(bool visible)
{
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void warpCursor(Window* window, int x, int y)
{
    if (window)
        SDL_WarpMouseInWindow(window->sdl, x, y);
}

}  // namespace platform
