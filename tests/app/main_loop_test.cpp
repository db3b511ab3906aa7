#include "app/main_loop.h"

#include "app/input_state.h"
#include "app/settings.h"
#include "app/stop_signals.h"
#include "core/frame_timer.h"
#include "support/offscreen_gl.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <csignal>

namespace {

// Without a window the loop still clears and "swaps" the offscreen buffer, and no events arrive.
class MainLoopTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        resetInputState();
        clearStopRequest();
        initTimerFrequency();
        frameTimer.start();
        fpsTimer.start();
        paintRed();
    }
    void TearDown() override
    {
        resetInputState();
        clearStopRequest();
    }
    static void paintRed()
    {
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 0);
        glFinish();
    }
    bool cleared() const { return gl_.pixel(400, 300)[0] == 0; }
};

TEST_F(MainLoopTest, TheFrameInWhichAKeyEndsTheShowIsStillDrawn)
{
    keyFlags[0] = 1;
    EXPECT_FALSE(frameStep(nullptr));
    glFinish();
    EXPECT_TRUE(cleared());
    EXPECT_GE(lastFrameSeconds(), 0.0);
}

TEST_F(MainLoopTest, AFrameWithoutInputGoesOn)
{
    EXPECT_TRUE(frameStep(nullptr));
    glFinish();
    EXPECT_TRUE(cleared());
}

TEST_F(MainLoopTest, TheMouseTotalRestartsWithEachSecondsWindow)
{
    mouseTotal = 5.0f;
    EXPECT_TRUE(frameStep(nullptr));
    EXPECT_EQ(mouseTotal, 5.0f);  // the window is still open
    fpsTimer.startCount = readCounter() - 2 * countsPerSecond;
    EXPECT_TRUE(frameStep(nullptr));
    EXPECT_EQ(mouseTotal, 0.0f);
}

TEST_F(MainLoopTest, TheLoopEndsAfterTheFrameInWhichAnExitFired)
{
    keyFlags[0] = 1;
    runMainLoop(nullptr);
    glFinish();
    EXPECT_TRUE(cleared());
}

TEST_F(MainLoopTest, AStopSignalEndsTheLoopBeforeAnotherFrame)
{
    installStopSignals();
    std::raise(SIGTERM);
    runMainLoop(nullptr);
    glFinish();
    EXPECT_FALSE(cleared());
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGHUP, SIG_DFL);
}

}  // namespace
