#include "platform/sdl/sdl_window.h"

#include <algorithm>

namespace platform {
namespace {

// X11 reports its 8-bit-per-channel desktops as 24 bits in 4 bytes; the saver calls that depth 32.
int modeBits(Uint32 format)
{
    const int bytes = SDL_BYTESPERPIXEL(format);
    return bytes == 4 ? 32 : int(SDL_BITSPERPIXEL(format));
}

}  // namespace

int displayCount()
{
    return std::clamp(SDL_GetNumVideoDisplays(), 0, maxDisplays);
}

std::string displayName(int display)
{
    const char* name = SDL_GetDisplayName(display);
    return name ? name : "";
}

bool displayBounds(int display, Rect& bounds)
{
    SDL_Rect rect;
    if (SDL_GetDisplayBounds(display, &rect) != 0)
        return false;
    bounds = Rect{rect.x, rect.y, rect.x + rect.w, rect.y + rect.h};
    return true;
}

bool desktopMode(int display, DisplayMode& mode)
{
    SDL_DisplayMode sdlMode;
    if (SDL_GetDesktopDisplayMode(display, &sdlMode) != 0)
        return false;
    mode = DisplayMode{sdlMode.w, sdlMode.h, modeBits(sdlMode.format)};
    return true;
}

}  // namespace platform
