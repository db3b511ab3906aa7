#include "render/gl_context.h"

#include "app/display_geometry.h"
#include "app/settings.h"
#include "render/display_hooks.h"
#include "render/gl_extensions.h"
#include "support/log_capture.h"
#include "support/offscreen_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<int> swapIntervalsSet;
int gammaReads = 0;
std::vector<GammaRamp> gammaWrites;

bool recordSwapInterval(int interval)
{
    swapIntervalsSet.push_back(interval);
    return true;
}
bool readStraightRamp(GammaRamp& ramp)
{
    ++gammaReads;
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = uint16_t((i % 256) * 256);
    return true;
}
bool recordGammaRamp(const GammaRamp& ramp)
{
    gammaWrites.push_back(ramp);
    return true;
}
// A driver that has glActiveTextureARB but not glMultiTexCoord2fARB.
void* withoutMultiTexCoord(const char* name)
{
    return std::strcmp(name, "glMultiTexCoord2fARB") == 0 ? nullptr : OffscreenGL::procAddress(name);
}

class InitGLTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        saved_ = settings;
        settings.Width = 800;
        settings.Height = 600;
        settings.Depth = 32;
        settings.WideScreen = false;
        settings.DefGamma = true;
        swapIntervalsSet.clear();
        gammaReads = 0;
        gammaWrites.clear();
        hooks_ = DisplayHooks{OffscreenGL::procAddress, recordSwapInterval, readStraightRamp, recordGammaRamp};
        setDisplayHooks(hooks_);
    }
    void TearDown() override
    {
        settings = saved_;
        computeDisplayGeometry(settings.Height, settings.WideScreen);
        setDisplayHooks(DisplayHooks{});
    }
    void run()
    {
        computeDisplayGeometry(settings.Height, settings.WideScreen);
        ASSERT_TRUE(initGL());
    }
    static bool enabled(GLenum capability) { return glIsEnabled(capability) == GL_TRUE; }
    static std::vector<float> light(GLenum light, GLenum parameter, int count)
    {
        std::vector<float> values(static_cast<size_t>(count));
        glGetLightfv(light, parameter, values.data());
        return values;
    }

    Settings saved_;
    DisplayHooks hooks_;
};

TEST_F(InitGLTest, CapabilitiesAndBlending)
{
    run();
    for (GLenum on : {GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT1, GL_BLEND, GL_TEXTURE_2D, GL_NORMALIZE})
        EXPECT_TRUE(enabled(on)) << "capability 0x" << std::hex << on;
    // Light 0 stays configured but off; light 2 is never switched on.
    EXPECT_FALSE(enabled(GL_LIGHT0));
    EXPECT_FALSE(enabled(GL_LIGHT2));
    GLint value = 0;
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
    EXPECT_EQ(value, GL_ALWAYS);
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &value);
    EXPECT_EQ(value, GL_NICEST);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    GLfloat width = 0.0f;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);
    GLfloat modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(modelView[i], i % 5 == 0 ? 1.0f : 0.0f) << "model-view element " << i;
}

TEST_F(InitGLTest, Lights)
{
    run();
    GLint colourControl = 0;
    glGetIntegerv(GL_LIGHT_MODEL_COLOR_CONTROL, &colourControl);
    EXPECT_EQ(colourControl, GL_SEPARATE_SPECULAR_COLOR);
    GLfloat ambient[4];
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambient);
    EXPECT_EQ(std::vector<float>(ambient, ambient + 4), (std::vector<float>{0.1f, 0.1f, 0.1f, 0.1f}));

    EXPECT_EQ(light(GL_LIGHT1, GL_POSITION, 4), (std::vector<float>{0, 0, 9100, 1}));
    EXPECT_EQ(light(GL_LIGHT1, GL_DIFFUSE, 4), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(light(GL_LIGHT1, GL_SPECULAR, 4), (std::vector<float>{0, 0, 0, 1}));
    EXPECT_EQ(light(GL_LIGHT0, GL_DIFFUSE, 4), (std::vector<float>{0.3f, 0.3f, 0.3f, 1.0f}));
    EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_EXPONENT, 1)[0], 3.0f);
    EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_CUTOFF, 1)[0], 60.0f);
    EXPECT_FLOAT_EQ(light(GL_LIGHT2, GL_LINEAR_ATTENUATION, 1)[0], 0.006f);
}

struct ProjectionCase {
    uint32_t depth;
    bool wideScreen;
    uint32_t width, height;
    float left, bottom, nearPlane;  // right = -left, top = -bottom, far 100000
    int viewport[4];
};

class InitGLProjection : public InitGLTest, public ::testing::WithParamInterface<ProjectionCase> {};

TEST_P(InitGLProjection, FrustumAndViewport)
{
    const ProjectionCase& c = GetParam();
    settings.Depth = c.depth;
    settings.WideScreen = c.wideScreen;
    settings.Width = c.width;
    settings.Height = c.height;
    run();

    const Frustum f = sceneFrustum();
    EXPECT_EQ(f.left, double(c.left));
    EXPECT_EQ(f.right, -double(c.left));
    EXPECT_EQ(f.bottom, double(c.bottom));
    EXPECT_EQ(f.top, -double(c.bottom));
    EXPECT_EQ(f.nearPlane, double(c.nearPlane));
    EXPECT_EQ(f.farPlane, 100000.0);

    // What GL holds is the matrix glFrustum builds from those six planes.
    const double l = c.left, r = -l, b = c.bottom, t = -b, n = c.nearPlane, fa = 100000.0;
    const double expected[16] = {2 * n / (r - l), 0, 0, 0, 0, 2 * n / (t - b), 0, 0,
                                 (r + l) / (r - l), (t + b) / (t - b), -(fa + n) / (fa - n), -1,
                                 0, 0, -2 * fa * n / (fa - n), 0};
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(projection[i], expected[i], 1e-5 * std::max(1.0, std::fabs(expected[i]))) << "element " << i;
    EXPECT_NEAR(projection[14] / (projection[10] - 1.0f), c.nearPlane, 1e-3);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<int>(viewport, viewport + 4), std::vector<int>(c.viewport, c.viewport + 4));
}

INSTANTIATE_TEST_SUITE_P(
    DepthAndWideScreen, InitGLProjection,
    ::testing::Values(ProjectionCase{32, false, 800, 600, -1.3333334f, -1.0f, 2.0f, {0, 0, 800, 600}},
                      ProjectionCase{16, false, 800, 600, -4 * 1.3333334f, -4.0f, 8.0f, {0, 0, 800, 600}},
                      ProjectionCase{32, true, 1024, 768, -1.6f, -0.9f, 2.0f, {0, 96, 1024, 576}},
                      ProjectionCase{16, true, 800, 600, -4 * 1.6f, -4 * 0.9f, 8.0f, {0, 75, 800, 450}}),
    [](const ::testing::TestParamInfo<ProjectionCase>& info) {
        return "Depth" + std::to_string(info.param.depth) + (info.param.wideScreen ? "WideScreen" : "");
    });

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST_F(InitGLTest, LogsTheDriverAndEachStep)
{
    LogCapture log;
    run();
    const std::string text = log.text();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    const std::vector<std::string> lines = linesOf(text);
    const std::vector<std::string> prefixes = {"Vendor: ", "Videocard: ", "OpenGL version ", "",
                                               "Supported extension: ", ""};
    const std::vector<std::string> steps = {"Init multitexture extension ...done", "Set swap interval...done",
                                            "Set gamma ...done"};
    ASSERT_EQ(lines.size(), prefixes.size() + steps.size()) << text;
    for (size_t i = 0; i < prefixes.size(); ++i)
        EXPECT_TRUE(prefixes[i].empty() ? lines[i].empty() : startsWith(lines[i], prefixes[i])) << lines[i];
    EXPECT_NE(lines[4].find("GL_ARB_multitexture"), std::string::npos);
    for (size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(lines[prefixes.size() + i], steps[i]);
    EXPECT_TRUE(multitextureSupported);
    EXPECT_NE(glExtensions.clientActiveTexture, nullptr);
}

TEST_F(InitGLTest, MultitextureNeedsMultiTexCoord)
{
    hooks_.procAddress = withoutMultiTexCoord;
    setDisplayHooks(hooks_);
    LogCapture log;
    run();
    EXPECT_FALSE(multitextureSupported);
    EXPECT_NE(glExtensions.activeTexture, nullptr);
    EXPECT_EQ(glExtensions.multiTexCoord2f, nullptr);
    // The text ends in a slash and an n, so the next step continues the same line.
    EXPECT_NE(log.text().find("Init multitexture extension ... multitexture unsupported!/nSet swap interval...done\n"),
              std::string::npos)
        << log.text();
}

TEST_F(InitGLTest, SwapIntervalFollowsVSync)
{
    settings.VSync = true;
    run();
    settings.VSync = false;
    run();
    EXPECT_EQ(swapIntervalsSet, (std::vector<int>{1, 0}));

    hooks_.setSwapInterval = nullptr;
    setDisplayHooks(hooks_);
    LogCapture log;
    run();
    EXPECT_NE(log.text().find("Set swap interval...done\n"), std::string::npos);
}

TEST_F(InitGLTest, GammaFromTheSettingReadsTheRampInForceFirst)
{
    settings.DefGamma = false;
    settings.Gamma = 100;
    run();
    EXPECT_EQ(gammaReads, 1);
    ASSERT_EQ(gammaWrites.size(), 1u);
    EXPECT_EQ(gammaWrites[0][128], 46340);
}

TEST_F(InitGLTest, DefGammaLeavesTheRampAlone)
{
    settings.DefGamma = true;
    settings.Gamma = 100;
    run();
    EXPECT_EQ(gammaReads, 0);
    EXPECT_TRUE(gammaWrites.empty());
}

}  // namespace
