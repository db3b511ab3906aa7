#pragma once
// The SDL side of platform::Window, shared by the backend's files.
#include "platform/platform.h"

#include <SDL2/SDL.h>

namespace platform {

struct Window {
    SDL_Window* sdl = nullptr;
    SDL_GLContext glContext = nullptr;
    bool cover = false;
};

namespace sdl {

Window* mainWindow();  // the first main window created, or null
void setMainWindow(Window* window);
void paintBlack(Window* window);  // fills a cover window with black
Window* windowFromId(Uint32 windowId);

}  // namespace sdl
}  // namespace platform
