#include "render/clock_overlay.h"

#include <gtest/gtest.h>

#include "render/glyph_font.h"
#include "support/gl_feedback.h"
#include "support/jpeg_maker.h"
#include "support/overlay_gl_test.h"

namespace {

struct ClockCase {
    int h, m, s;
    bool hrs12;
    const char* text;  // ";" before noon, "<" after noon
    int x;
};

TEST(ClockText, FormatsTheTimeOfDay)
{
    const ClockCase cases[] = {
        {9, 5, 7, false, "09:05:07", 420},
        {13, 5, 7, false, "13:05:07", 420},
        {13, 5, 7, true, "01:05:07<", 370},
        {0, 30, 0, true, "12:30:00;", 370},
        {0, 30, 0, false, "00:30:00", 420},
        {12, 0, 0, true, "12:00:00<", 370},
        {11, 59, 59, true, "11:59:59;", 370},
        {23, 10, 10, true, "11:10:10<", 370},
    };
    for (const ClockCase& c : cases) {
        ClockText clock = clockText(c.h, c.m, c.s, c.hrs12);
        EXPECT_EQ(clock.text, c.text) << c.h << ":" << c.m << ":" << c.s << " hrs12 " << c.hrs12;
        EXPECT_EQ(clock.x, c.x) << c.text;
    }
}

TEST(ClockText, FramesPerSecondIsThePlainNumber)
{
    EXPECT_EQ(framesPerSecondText(0), "0");
    EXPECT_EQ(framesPerSecondText(120), "120");
}

class ClockDrawing : public OverlayGLTest {
protected:
    void SetUp() override
    {
        OverlayGLTest::SetUp();
        TestArchive archive;
        archive.entry(storedEntry("c.jpg", makeJpeg(JpegRecipe{})));
        useArchive(archive);
        buildGlyphFont();
    }
    // The rectangle round all glyphs drawn, in the 800 x 600 space (the window is 800 x 600, and
    // anything past its top edge is clipped).
    static FeedbackBox textBox(const std::function<void()>& draw)
    {
        FeedbackOptions options;
        options.keepTransforms = true;
        return boxAround(captureFeedback(draw, options));
    }
    static float widthOfGlyphs(int count) { return float(count - 1) * glyphAdvance + glyphSize; }
};

TEST_F(ClockDrawing, TheClockStartsAtItsFormsLeftEdgeOnTheBottomRow)
{
    for (bool hrs12 : {false, true}) {
        settings.Hrs12 = hrs12;
        FeedbackBox box = textBox(drawClock);
        float left = hrs12 ? 370 : 420;
        EXPECT_FLOAT_EQ(box.left, left) << "hrs12 " << hrs12;
        EXPECT_NEAR(box.right, left + widthOfGlyphs(hrs12 ? 9 : 8), 1e-3) << "hrs12 " << hrs12;
        EXPECT_FLOAT_EQ(box.bottom, 0);
        EXPECT_FLOAT_EQ(box.colour[3], 1);
    }
}

TEST_F(ClockDrawing, FramesPerSecondStartsAtTheTopLeft)
{
    struct {
        int32_t value;
        int glyphs;
    } cases[] = {{0, 1}, {120, 3}};
    for (auto c : cases) {
        FeedbackBox box = textBox([&] { drawFramesPerSecond(c.value); });
        EXPECT_FLOAT_EQ(box.left, 0) << c.value;
        EXPECT_NEAR(box.right, widthOfGlyphs(c.glyphs), 1e-3) << c.value;
        EXPECT_FLOAT_EQ(box.bottom, 540) << c.value;
    }
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], sceneViewportHeight) << "the scene viewport is back";
}

}  // namespace
