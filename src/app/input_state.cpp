#include "app/input_state.h"

#include <cstring>

uint8_t keyFlags[256] = {};
MouseDelta mouseDelta;
float mouseTotal = 0.0f;

namespace {

bool isKeyCode(int code) { return code >= 1 && code <= 255; }

// Takes up one component of the delta; the cursor goes back to the centre after each.
void takeUp(float& component, void (*recentre)())
{
    if (component == 0.0f) return;
    mouseTotal += component;
    component = 0.0f;
    if (recentre) recentre();
}

}  // namespace

void onKeyDown(int code, bool systemKey)
{
    if (systemKey || !isKeyCode(code)) return;
    keyFlags[0] = 1;
    keyFlags[code] = 1;
}

void onKeyUp(int code, bool systemKey)
{
    if (systemKey || !isKeyCode(code)) return;
    keyFlags[code] = 0;
}

void onMouseButtonDown(MouseButton button)
{
    if (button == MouseButton::Left || button == MouseButton::Right) keyFlags[0] = 1;
}

void onMouseMove(int x, int y, int clientWidth, int clientHeight)
{
    // The product is formed in double and stored as a float: 100 pixels give exactly 30.
    mouseDelta.x = float(double(int64_t(x) - clientWidth / 2) * mouseDeltaScale);
    mouseDelta.y = float(double(int64_t(y) - clientHeight / 2) * mouseDeltaScale);
}

void clearKeyFlags() { std::memset(keyFlags, 0, sizeof keyFlags); }

void clearAnyInput() { keyFlags[0] = 0; }

void resetMouseTotal() { mouseTotal = 0.0f; }

void resetInputState()
{
    clearKeyFlags();
    mouseDelta = MouseDelta{};
    resetMouseTotal();
}

bool runExitTests(bool mouseExit, void (*recentre)())
{
    bool stop = keyFlags[0] != 0;
    takeUp(mouseDelta.x, recentre);
    takeUp(mouseDelta.y, recentre);
    if (mouseExit && mouseTotal > mouseExitThreshold) stop = true;
    return stop;
}
