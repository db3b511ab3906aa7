#include "platform/platform.h"

#include <SDL2/SDL.h>

namespace platform {

void showErrorBox(const char* caption, const char* text)
{
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr);
}

}  // namespace platform
