#include "platform/sdl/sdl_window.h"

namespace platform {

bool createGLContext(Window* window)
{
    if (!window)
        return false;
    window->glContext = SDL_GL_CreateContext(window->sdl);
    return window->glContext && SDL_GL_MakeCurrent(window->sdl, window->glContext) == 0;
}

void deleteGLContext(Window* window)
{
    if (!window || !window->glContext)
        return;
    SDL_GL_MakeCurrent(window->sdl, nullptr);
    SDL_GL_DeleteContext(window->glContext);
    window->glContext = nullptr;
}

void swapBuffers(Window* window)
{
    if (window)
        SDL_GL_SwapWindow(window->sdl);
}

void* glProcAddress(const char* name)
{
    return SDL_GL_GetProcAddress(name);
}

bool setSwapInterval(int interval)
{
    return SDL_GL_SetSwapInterval(interval) == 0;
}

}  // namespace platform
