#include "app/window_input.h"

#include "app/input_state.h"

namespace {

MouseButton buttonOf(platform::MouseButton button)
{
    switch (button) {
    case platform::MouseButton::Left: return MouseButton::Left;
    case platform::MouseButton::Right: return MouseButton::Right;
    case platform::MouseButton::Middle: return MouseButton::Middle;
    default: return MouseButton::Other;
    }
}

}  // namespace

bool dispatchEvent(const platform::Event& event, const platform::Window* mainWindow)
{
    using platform::EventType;
    switch (event.type) {
    case EventType::KeyDown: onKeyDown(event.scancode, event.systemKey); break;
    case EventType::KeyUp: onKeyUp(event.scancode, event.systemKey); break;
    case EventType::ButtonDown: onMouseButtonDown(buttonOf(event.button)); break;
    case EventType::Motion: {
        int width = 0;
        int height = 0;
        platform::windowClientSize(mainWindow, width, height);
        onMouseMove(event.x, event.y, width, height);
        break;
    }
    case EventType::Close:
    case EventType::Quit: return false;
    case EventType::Wheel:
    case EventType::Other: break;
    }
    return true;
}
