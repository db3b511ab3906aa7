#pragma once
// Letterbox rows and frustum proportions, computed once at start from Height and WideScreen.
#include <cstdint>

extern uint32_t letterboxTop;
extern uint32_t letterboxBottom;
extern int32_t sceneViewportHeight;
extern float frustumHalfWidth;
extern float frustumHalfHeight;

void computeDisplayGeometry(uint32_t height, bool wideScreen);
