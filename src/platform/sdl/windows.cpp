#include "platform/sdl/sdl_window.h"

#include <initializer_list>

namespace platform {
namespace sdl {
namespace {

Window* theMainWindow = nullptr;
constexpr const char* windowDataName = "vantrelle.window";

Window* wrap(SDL_Window* sdlWindow, bool cover)
{
    auto* window = new Window{sdlWindow, nullptr, cover};
    SDL_SetWindowData(sdlWindow, windowDataName, window);
    return window;
}

void requestGLFramebuffer(int alphaBits)
{
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, alphaBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    // The drawing is OpenGL 1.x with GLU: it needs the compatibility profile.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

}  // namespace

Window* mainWindow() { return theMainWindow; }
void setMainWindow(Window* window) { theMainWindow = window; }

void paintBlack(Window* window)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window->sdl);
    if (!surface)
        return;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_UpdateWindowSurface(window->sdl);
}

}  // namespace sdl

Window* createMainWindow(const char* title, int width, int height, ScreenMode mode)
{
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    SDL_DisplayMode closest{};
    bool haveClosest = false;
    if (mode == ScreenMode::ClosestMode) {
        flags |= SDL_WINDOW_FULLSCREEN;
        const SDL_DisplayMode wanted{0, width, height, 0, nullptr};
        haveClosest = SDL_GetClosestDisplayMode(0, &wanted, &closest) != nullptr;
        // A display without that exact mode gets the nearest one, and the window fills it.
        if (haveClosest) {
            width = closest.w;
            height = closest.h;
        }
    } else if (mode == ScreenMode::DesktopMode) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    // At display 0's origin, so that without a window manager to make it full screen it still
    // stands where the display starts.
    SDL_Rect origin{0, 0, 0, 0};
    SDL_GetDisplayBounds(0, &origin);
    const int x = mode == ScreenMode::Windowed ? int(SDL_WINDOWPOS_CENTERED_DISPLAY(0)) : origin.x;
    const int y = mode == ScreenMode::Windowed ? int(SDL_WINDOWPOS_CENTERED_DISPLAY(0)) : origin.y;
    // Hidden until shown: the mode switch happens when the window first appears. The drawing never
    // reads destination alpha, so a display without an alpha visual still serves.
    SDL_Window* sdlWindow = nullptr;
    for (int alphaBits : {8, 0}) {
        sdl::requestGLFramebuffer(alphaBits);
        if ((sdlWindow = SDL_CreateWindow(title, x, y, width, height, flags)))
            break;
    }
    if (!sdlWindow)
        return nullptr;
    if (haveClosest)
        SDL_SetWindowDisplayMode(sdlWindow, &closest);
    Window* window = sdl::wrap(sdlWindow, false);
    if (!sdl::mainWindow())
        sdl::setMainWindow(window);
    return window;
}

Window* createCoverWindow(const char* title, const Rect& bounds)
{
    const Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    SDL_Window* sdlWindow = SDL_CreateWindow(title, bounds.left, bounds.top, bounds.width(), bounds.height(), flags);
    if (!sdlWindow)
        return nullptr;
    Window* window = sdl::wrap(sdlWindow, true);
    sdl::paintBlack(window);
    return window;
}

void showWindow(Window* window)
{
    if (!window)
        return;
    SDL_ShowWindow(window->sdl);
    if (window->cover)
        sdl::paintBlack(window);
}

void focusWindow(Window* window)
{
    if (window)
        SDL_RaiseWindow(window->sdl);
}

void windowClientSize(const Window* window, int& width, int& height)
{
    width = height = 0;
    if (window)
        SDL_GetWindowSize(window->sdl, &width, &height);
}

void restoreDisplayMode()
{
    // Hiding a full-screen window gives the display its desktop mode back.
    if (Window* window = sdl::mainWindow())
        SDL_HideWindow(window->sdl);
}

void destroyWindow(Window* window)
{
    if (!window)
        return;
    deleteGLContext(window);
    SDL_DestroyWindow(window->sdl);
    if (sdl::mainWindow() == window)
        sdl::setMainWindow(nullptr);
    delete window;
}

namespace sdl {

Window* windowFromId(Uint32 windowId)
{
    SDL_Window* sdlWindow = SDL_GetWindowFromID(windowId);
    return sdlWindow ? static_cast<Window*>(SDL_GetWindowData(sdlWindow, windowDataName)) : nullptr;
}

}  // namespace sdl
}  // namespace platform
