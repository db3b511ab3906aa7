#pragma once
// What the saver needs from the system, and nothing more: displays, the main window with its
// OpenGL context, black cover windows, input events, the gamma ramp, the cursor, the performance
// counter and a message box. The SDL backend is in platform/sdl/, one file per concern.
#include <array>
#include <cstdint>
#include <string>

namespace platform {

// Opens the video system; every call below needs it. False when no display can be opened.
bool startVideo();
void stopVideo();

// ---- displays
constexpr int maxDisplays = 9;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

int displayCount();  // 0 to maxDisplays
std::string displayName(int display);
bool displayBounds(int display, Rect& bounds);  // in desktop coordinates
bool desktopMode(int display, DisplayMode& mode);

// ---- windows
struct Window;  // opaque; owned by the caller until destroyWindow

enum class ScreenMode {
    ClosestMode,  // full screen on display 0 in the mode closest to the size asked for
    DesktopMode,  // full screen on display 0 in the desktop's own mode
    Windowed,     // an ordinary window of the size asked for
};

// The OpenGL window: RGBA 8 bits each, depth 24, stencil 8, double buffered. Not shown until
// showWindow. The first one created is the main window that gamma calls act on.
Window* createMainWindow(const char* title, int width, int height, ScreenMode mode);
// A borderless black window exactly on bounds; shown at once.
Window* createCoverWindow(const char* title, const Rect& bounds);
void showWindow(Window* window);
void focusWindow(Window* window);
void windowClientSize(const Window* window, int& width, int& height);
// Leaves the full-screen mode of the main window, so the desktop's mode is back.
void restoreDisplayMode();
void destroyWindow(Window* window);

// ---- OpenGL (on the main window)
bool createGLContext(Window* window);  // also makes it current
void deleteGLContext(Window* window);  // makes no context current first
void swapBuffers(Window* window);
void* glProcAddress(const char* name);
bool setSwapInterval(int interval);

// ---- gamma of the main window's display: 256 red, then 256 green, then 256 blue entries
using GammaRamp = std::array<uint16_t, 768>;
bool readGammaRamp(GammaRamp& ramp);
bool writeGammaRamp(const GammaRamp& ramp);

// ---- cursor
void showCursor(bool visible);
void warpCursor(Window* window, int x, int y);  // window coordinates

// ---- time: makes the performance counter the frame timer's source
void installCounter();

// ---- messages
void showErrorBox(const char* caption, const char* text);

// ---- events
enum class EventType { Other, KeyDown, KeyUp, ButtonDown, Wheel, Motion, Close, Quit };
enum class MouseButton { None, Left, Right, Middle, Other };

struct Event {
    EventType type = EventType::Other;
    int scancode = 0;        // KeyDown, KeyUp: 1 to 255, or 0 for a key beyond that range
    bool systemKey = false;  // KeyDown, KeyUp: Alt, F10, or any key while Alt is held
    MouseButton button = MouseButton::None;  // ButtonDown
    int x = 0;               // Motion: position in the window's coordinates
    int y = 0;
};

// Takes the next waiting event without blocking; false when none waits.
bool pollEvent(Event& event);

}  // namespace platform
