#include "render/loading_screen.h"

#include <gtest/gtest.h>

#include "support/gl_feedback.h"
#include "support/jpeg_maker.h"
#include "support/log_capture.h"
#include "support/overlay_gl_test.h"

namespace {

struct Quad {
    float left, bottom, right, top;
    float r, g, b, a;
};

class LoadingScreen : public OverlayGLTest {
protected:
    void SetUp() override
    {
        OverlayGLTest::SetUp();
        TestArchive archive;
        archive.entry(storedEntry("load.jpg", makeJpeg(JpegRecipe{})));
        archive.entry(storedEntry("loadg.jpg", makeJpeg(JpegRecipe{})));
        useArchive(archive);
        LogCapture log;
        loadLoadingImages();
        logged_ = log.text();
        finaleTime = 0;
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    }
    // The quads one call draws (the window is 800 x 600, so window and 2D coordinates agree).
    static std::vector<Quad> quadsOf(const std::function<void()>& draw)
    {
        FeedbackOptions options;
        options.keepTransforms = true;
        std::vector<FeedbackPolygon> polygons = captureFeedback(draw, options);
        size_t perQuad = !polygons.empty() && polygons[0].size() == 3 ? 2 : 1;
        std::vector<Quad> quads;
        for (size_t i = 0; i + perQuad <= polygons.size(); i += perQuad) {
            FeedbackBox box = boxAround({polygons.begin() + long(i), polygons.begin() + long(i + perQuad)});
            quads.push_back({box.left, box.bottom, box.right, box.top, box.colour[0], box.colour[1], box.colour[2],
                             box.colour[3]});
        }
        return quads;
    }
    static void expectQuad(const Quad& actual, const Quad& expected, const char* what)
    {
        EXPECT_NEAR(actual.left, expected.left, 1e-2) << what;
        EXPECT_NEAR(actual.bottom, expected.bottom, 1e-2) << what;
        EXPECT_NEAR(actual.right, expected.right, 1e-2) << what;
        EXPECT_NEAR(actual.top, expected.top, 1e-2) << what;
        EXPECT_NEAR(actual.r, expected.r, 1e-3) << what;
        EXPECT_NEAR(actual.g, expected.g, 1e-3) << what;
        EXPECT_NEAR(actual.b, expected.b, 1e-3) << what;
        EXPECT_NEAR(actual.a, expected.a, 1e-3) << what;
    }

    std::string logged_;
};

TEST_F(LoadingScreen, LoadsBothImages)
{
    EXPECT_EQ(logged_, "Load texture <load.jpg> ...done\nLoad texture <loadg.jpg> ...done\n");
    EXPECT_NE(loadingImage, 0u);
    EXPECT_NE(loadingGlowImage, 0u);
    EXPECT_NE(loadingImage, loadingGlowImage);
}

TEST_F(LoadingScreen, TheLoadingImageIsCentredUnblended)
{
    std::vector<Quad> quads = quadsOf(drawLoadingImage);
    ASSERT_EQ(quads.size(), 1u);
    expectQuad(quads[0], {272, 152, 528, 448, 1, 1, 1, 1}, "loading image");
    EXPECT_TRUE(glIsEnabled(GL_BLEND)) << "blending is back on";
}

TEST_F(LoadingScreen, TheFinaleWidensFadesAndEndsInWhite)
{
    std::vector<Quad> first = quadsOf([] { drawLoadingFinale(0); });
    ASSERT_EQ(first.size(), 3u);
    expectQuad(first[0], {272, 152, 528, 448, 1, 1, 1, 1}, "glow at 0 s");
    expectQuad(first[1], {272, 152, 528, 448, 1, 1, 1, 1}, "image at 0 s");
    expectQuad(first[2], {0, 0, 800, 600, 1, 1, 1, 0}, "veil at 0 s");

    std::vector<Quad> last = quadsOf([] { drawLoadingFinale(6); });
    EXPECT_FLOAT_EQ(finaleTime, 6);
    ASSERT_EQ(last.size(), 3u);
    expectQuad(last[0], {212, 132, 588, 468, 1, 1, 1, 0}, "glow at 6 s: 376 x 336");
    expectQuad(last[1], {232, 147, 568, 453, 0, 0, 0, 0}, "image at 6 s: 336 x 306");
    expectQuad(last[2], {0, 0, 800, 600, 1, 1, 1, 1}, "veil at 6 s");
}

TEST_F(LoadingScreen, TheLastFinaleFrameIsWhite)
{
    finaleTime = 6;
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawLoadingFinale(0);
    glFinish();
    for (auto [x, y] : {std::pair{400, 300}, std::pair{5, 5}, std::pair{795, 595}}) {
        const unsigned char* p = gl_.pixel(x, y);
        EXPECT_EQ(p[0], 255) << x << "," << y;
        EXPECT_EQ(p[1], 255);
        EXPECT_EQ(p[2], 255);
    }
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE) << "additive blending is back";
}

}  // namespace
