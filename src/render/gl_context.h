#pragma once
// The OpenGL state the drawing expects to find: capabilities, blending, viewport, projection,
// lights, the optional extensions, the swap interval and the gamma ramp from the settings.
#include <cstdint>

// 1.0 at Depth 32, else 4.0: it scales the frustum and pushes its near plane from 2 to 8.
extern float depthScale;
float depthScaleFor(uint32_t depth);

struct Frustum {
    double left;
    double right;
    double bottom;
    double top;
    double nearPlane;
    double farPlane;
};
// The scene's frustum for the settings' Depth and the display geometry.
Frustum sceneFrustum();

// Needs a current context, the settings and the display geometry; logs its steps. Always true.
bool initGL();
