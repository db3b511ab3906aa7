#include "render/overlay_2d.h"

#include <gtest/gtest.h>

#include <array>

#include "support/gl_feedback.h"
#include "support/overlay_gl_test.h"

namespace {

std::array<GLint, 4> viewport()
{
    std::array<GLint, 4> v{};
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

std::array<GLfloat, 16> matrix(GLenum which)
{
    std::array<GLfloat, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}

class Overlay2D : public OverlayGLTest {
protected:
    void SetUp() override
    {
        OverlayGLTest::SetUp();
        useDisplay(true);  // letterbox rows 75 and 525, scene viewport (0, 75, 800, 450)
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-1.6, 1.6, -0.9, 0.9, 2, 100000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(1, 2, 3);
        projection_ = matrix(GL_PROJECTION_MATRIX);
        modelview_ = matrix(GL_MODELVIEW_MATRIX);
    }
    void expectSceneStateBack()
    {
        EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 75, 800, 450}));
        EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projection_);
        EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelview_);
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    }
    // Window position of 2D point (x, y), seen through feedback.
    static std::array<float, 2> windowOf(float x, float y)
    {
        FeedbackOptions options;
        options.keepTransforms = true;
        auto polygons = captureFeedback(
            [x, y] {
                glBegin(GL_TRIANGLES);
                glVertex2f(x, y);
                glVertex2f(x + 1, y);
                glVertex2f(x, y + 1);
                glEnd();
            },
            options);
        if (polygons.empty())
            return {-1, -1};
        return {polygons[0][0].x, polygons[0][0].y};
    }

    std::array<GLfloat, 16> projection_{}, modelview_{};
};

TEST_F(Overlay2D, FullModeSpans800By600OverTheWholeWindow)
{
    begin2DFull();
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 800, 600}));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(windowOf(400, 0), (std::array<float, 2>{400, 0})) << "y 0 is the window's bottom row";
    EXPECT_EQ(windowOf(0, 540), (std::array<float, 2>{0, 540}));
    end2DFull();
    expectSceneStateBack();
}

TEST_F(Overlay2D, PixelModeCoversTheSceneViewportInScreenRows)
{
    begin2DPixels();
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 75, 800, 450}));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(windowOf(0, 75), (std::array<float, 2>{0, 75}));
    EXPECT_EQ(windowOf(400, 300), (std::array<float, 2>{400, 300}));
    end2DPixels();
    expectSceneStateBack();
}

}  // namespace
