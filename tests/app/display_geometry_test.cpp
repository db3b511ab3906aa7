#include "app/display_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(DisplayGeometry, LetterboxRowsAndFrustum)
{
    struct Case {
        uint32_t height;
        bool wideScreen;
        uint32_t top, bottom;
        int32_t viewport;
        float halfWidth, halfHeight;
    };
    const Case cases[] = {
        {600, true, 75, 525, 450, 1.6f, 0.9f},
        {1050, true, 131, 918, 787, 1.6f, 0.9f},
        {1, true, 0, 0, 0, 1.6f, 0.9f},
        {600, false, 0, 600, 600, 1.3333334f, 1.0f},
        {1024, false, 0, 1024, 1024, 1.3333334f, 1.0f},
        {0, false, 0, 0, 0, 1.3333334f, 1.0f},
        // A nonsense height from a hand-edited file must not overflow the signed viewport height.
        {UINT32_MAX, true, 536870911, 3758096383u, INT32_MAX, 1.6f, 0.9f},
        {UINT32_MAX, false, 0, UINT32_MAX, INT32_MAX, 1.3333334f, 1.0f},
    };
    for (const auto& test : cases) {
        computeDisplayGeometry(test.height, test.wideScreen);
        SCOPED_TRACE(::testing::Message() << test.height << (test.wideScreen ? " wide" : " 4:3"));
        EXPECT_EQ(letterboxTop, test.top);
        EXPECT_EQ(letterboxBottom, test.bottom);
        EXPECT_EQ(sceneViewportHeight, test.viewport);
        EXPECT_EQ(frustumHalfWidth, test.halfWidth);
        EXPECT_EQ(frustumHalfHeight, test.halfHeight);
    }
}

}  // namespace
