#include "app/entry.h"

#include "app/stop_signals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

struct DesktopCase {
    const char* name;
    bool useDesktop;
    uint32_t width, height, depth;  // stored
    std::optional<DesktopMode> desktop;
    uint32_t wantWidth, wantHeight, wantDepth;
};

class ApplyDesktopMode : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(ApplyDesktopMode, FillsTheRunsMode)
{
    const DesktopCase& c = GetParam();
    Settings values;
    values.UseDesktop = c.useDesktop;
    values.Width = c.width;
    values.Height = c.height;
    values.Depth = c.depth;
    applyDesktopMode(values, c.desktop);
    EXPECT_EQ(values.Width, c.wantWidth);
    EXPECT_EQ(values.Height, c.wantHeight);
    EXPECT_EQ(values.Depth, c.wantDepth);
}

const DesktopMode desktop{1280, 1024, 32};

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyDesktopMode,
    ::testing::Values(DesktopCase{"UseDesktopOverridesStored", true, 800, 600, 16, desktop, 1280, 1024, 32},
                      DesktopCase{"StoredModeKept", false, 800, 600, 16, desktop, 800, 600, 16},
                      DesktopCase{"ZerosTakeTheDesktop", false, 0, 600, 0, desktop, 1280, 600, 32},
                      DesktopCase{"UnknownDesktopKeepsStored", true, 1024, 768, 16, std::nullopt, 1024, 768, 16},
                      DesktopCase{"UnknownDesktopAndZeros", true, 0, 0, 0, std::nullopt, 800, 600, 32}),
    [](const ::testing::TestParamInfo<DesktopCase>& info) { return std::string(info.param.name); });

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram)
{
    const std::filesystem::path folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "unit_tests"));
}

TEST(StopSignals, EachSetsTheFlagTheLoopReads)
{
    installStopSignals();
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        clearStopRequest();
        EXPECT_FALSE(stopRequested());
        std::raise(signal);
        EXPECT_TRUE(stopRequested()) << "signal " << signal;
    }
    clearStopRequest();
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, SIG_DFL);
}

}  // namespace
