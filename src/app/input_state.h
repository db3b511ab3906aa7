#pragma once
// What the main window's input leaves for the main loop: key flags, the last mouse offset and the
// movement summed over the current frames-per-second window.
#include <cstdint>

// Entry 0: a key or a left/right button went down since it was last cleared. Entries 1..255: the
// key with that code (the platform's scancode) is down.
extern uint8_t keyFlags[256];

struct MouseDelta {
    float x = 0.0f;
    float y = 0.0f;
};
extern MouseDelta mouseDelta;   // 0.3 x the cursor's offset from the client centre, set per move
extern float mouseTotal;        // signed sum of the deltas taken up in this frames-per-second window

constexpr float mouseExitThreshold = 7.0f;
constexpr double mouseDeltaScale = 0.3;

enum class MouseButton { Left, Right, Middle, Other };

// System keys (Alt, F10, anything pressed while Alt is held) set nothing; the platform knows which
// they are and says so. Codes outside 1..255 are ignored.
void onKeyDown(int code, bool systemKey = false);
void onKeyUp(int code, bool systemKey = false);
void onMouseButtonDown(MouseButton button);
// The cursor's position in client coordinates and the client size.
void onMouseMove(int x, int y, int clientWidth, int clientHeight);

void clearKeyFlags();     // all 256 entries
void clearAnyInput();     // entry 0 only
void resetMouseTotal();   // at the end of every frames-per-second window
void resetInputState();   // flags, delta and total

// The frame's exit tests: any key or button, then the mouse movement (each taken-up component is
// added to mouseTotal, cleared, and the cursor re-centred through `recentre`), then the movement
// threshold when mouseExit is on. Returns whether running must stop.
bool runExitTests(bool mouseExit, void (*recentre)());
