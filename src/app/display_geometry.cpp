#include "app/display_geometry.h"

#include <algorithm>
#include <cstdint>

uint32_t letterboxTop = 0;
uint32_t letterboxBottom = 0;
int32_t sceneViewportHeight = 0;
float frustumHalfWidth = 4.0f / 3.0f;
float frustumHalfHeight = 1.0f;

namespace {

uint32_t truncatedShare(uint32_t height, long double share)
{
    return uint32_t(static_cast<long double>(height) * share);
}

// A viewport height past the signed range (only from a nonsense Height) is held at its largest.
int32_t asViewportHeight(uint32_t rows) { return int32_t(std::min<uint32_t>(rows, INT32_MAX)); }

}  // namespace

void computeDisplayGeometry(uint32_t height, bool wideScreen)
{
    if (wideScreen) {
        letterboxTop = truncatedShare(height, 0.125L);
        letterboxBottom = truncatedShare(height, 0.875L);
        sceneViewportHeight = asViewportHeight(truncatedShare(height, 0.75L));
        frustumHalfWidth = 1.6f;
        frustumHalfHeight = 0.9f;
    } else {
        letterboxTop = 0;
        letterboxBottom = height;
        sceneViewportHeight = asViewportHeight(height);
        frustumHalfWidth = 4.0f / 3.0f;
        frustumHalfHeight = 1.0f;
    }
}
