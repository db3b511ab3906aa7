#include "platform/sdl/sdl_window.h"

namespace platform {
namespace {

// Alt, F10 and anything pressed with Alt held are the system's keys, not the saver's.
bool isSystemKey(const SDL_KeyboardEvent& key)
{
    const SDL_Scancode code = key.keysym.scancode;
    return code == SDL_SCANCODE_LALT || code == SDL_SCANCODE_RALT || code == SDL_SCANCODE_F10 ||
           (key.keysym.mod & KMOD_ALT) != 0;
}

Event keyEvent(EventType type, const SDL_KeyboardEvent& key)
{
    Event event;
    event.type = type;
    const int code = int(key.keysym.scancode);
    event.scancode = code >= 1 && code <= 255 ? code : 0;
    event.systemKey = isSystemKey(key);
    return event;
}

MouseButton buttonOf(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    case SDL_BUTTON_MIDDLE: return MouseButton::Middle;
    default: return MouseButton::Other;
    }
}

Event windowEvent(const SDL_WindowEvent& window)
{
    Event event;
    if (window.event == SDL_WINDOWEVENT_CLOSE)
        event.type = EventType::Close;
    else if (window.event == SDL_WINDOWEVENT_EXPOSED) {
        Window* exposed = sdl::windowFromId(window.windowID);
        if (exposed && exposed->cover)
            sdl::paintBlack(exposed);
    }
    return event;
}

Uint32 mainWindowId()
{
    Window* main = sdl::mainWindow();
    return main ? SDL_GetWindowID(main->sdl) : 0;
}

Event translate(const SDL_Event& sdlEvent)
{
    Event event;
    switch (sdlEvent.type) {
    case SDL_KEYDOWN: return keyEvent(EventType::KeyDown, sdlEvent.key);
    case SDL_KEYUP: return keyEvent(EventType::KeyUp, sdlEvent.key);
    case SDL_MOUSEBUTTONDOWN:
        event.type = EventType::ButtonDown;
        event.button = buttonOf(sdlEvent.button.button);
        break;
    case SDL_MOUSEWHEEL: event.type = EventType::Wheel; break;
    case SDL_MOUSEMOTION:
        // Positions are the main window's: a move over a cover window is not the saver's.
        if (sdlEvent.motion.windowID != mainWindowId())
            break;
        event.type = EventType::Motion;
        event.x = sdlEvent.motion.x;
        event.y = sdlEvent.motion.y;
        break;
    case SDL_WINDOWEVENT: return windowEvent(sdlEvent.window);
    case SDL_QUIT: event.type = EventType::Quit; break;
    default: break;
    }
    return event;
}

}  // namespace

bool pollEvent(Event& event)
{
    SDL_Event sdlEvent;
    // Without a video system the queue reports an error, not an event.
    if (SDL_PollEvent(&sdlEvent) != 1)
        return false;
    event = translate(sdlEvent);
    return true;
}

}  // namespace platform
