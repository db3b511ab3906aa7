#include "platform/sdl/sdl_window.h"

namespace platform {

bool startVideo()
{
    // Signals are ours: the saver takes SIGTERM, SIGINT and SIGHUP through its own shutdown.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A full-screen saver on several displays must not iconify when a cover window takes focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    return SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0;
}

void stopVideo()
{
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    SDL_Quit();
}

}  // namespace platform
