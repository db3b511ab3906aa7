#include "app/saver_run.h"

#include "app/monitors.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "support/log_capture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

// SDL's display-less driver: one display, and no OpenGL, so no main window can be made.
class DummyVideo : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_TRUE(platform::startVideo());
        saved_ = settings;
        settings.Width = 800;
        settings.Height = 600;
        settings.Path = "/somewhere";
    }
    void TearDown() override
    {
        settings = saved_;
        platform::stopVideo();
        ::unsetenv("SDL_VIDEODRIVER");
    }
    Settings saved_;
};

TEST_F(DummyVideo, EachDisplayTakesARecordWithItsBounds)
{
    SaverApp app;
    enumerateMonitors(app);
    ASSERT_EQ(app.monitorCount, uint32_t(platform::displayCount()));
    ASSERT_GE(app.monitorCount, 1u);
    const MonitorInfo& first = app.monitors[0];
    EXPECT_NE(first.monitorHandle, nullptr);
    EXPECT_EQ(first.displayIndex, 0);
    EXPECT_EQ(std::string(first.monitorName), platform::displayName(0));
    platform::Rect bounds;
    ASSERT_TRUE(platform::displayBounds(0, bounds));
    EXPECT_EQ(first.monitorRect.right - first.monitorRect.left, bounds.width());
    EXPECT_EQ(first.monitorRect.bottom - first.monitorRect.top, bounds.height());
    EXPECT_EQ(first.window, nullptr);
}

TEST_F(DummyVideo, AWindowThatCannotBeMadeEndsTheRunAtOnce)
{
    SaverApp app;
    app.monitorCount = 2;
    std::strcpy(app.monitors[1].monitorName, "second");
    app.monitors[1].monitorHandle = &app;  // the first record has none and is skipped
    app.monitors[1].monitorRect = MonitorRect{0, 0, 1280, 1024};
    LogCapture log;
    EXPECT_EQ(runSaver(app), 0);
    EXPECT_EQ(log.text(), "............... Start screensaver ...............\n"
                          "Path is </somewhere>\n"
                          "Set resolution: 800x600 ...done\n"
                          "Create window for monitor <second>:1280x1024...");
    EXPECT_EQ(app.monitors[1].window, nullptr);
}

TEST_F(DummyVideo, WithoutAUsedDisplayNoWindowIsMade)
{
    SaverApp app;
    app.monitorCount = 1;
    LogCapture log;
    EXPECT_EQ(runSaver(app), 0);
    EXPECT_EQ(log.text(), "............... Start screensaver ...............\n"
                          "Path is </somewhere>\n"
                          "Set resolution: 800x600 ...done\n");
}

}  // namespace
