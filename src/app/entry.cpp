#include "app/entry.h"

#include "app/command_line.h"
#include "app/display_geometry.h"
#include "app/monitors.h"
#include "app/saver_app.h"
#include "app/saver_run.h"
#include "app/stop_signals.h"
#include "platform/platform.h"
#include "version.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr DesktopMode fallbackMode{800, 600, 32};

void fillIfZero(uint32_t& value, uint32_t desktopValue)
{
    if (value == 0)
        value = desktopValue;
}

std::optional<DesktopMode> queryDesktopMode(bool videoStarted)
{
    platform::DisplayMode mode;
    if (!videoStarted || !platform::desktopMode(0, mode) || mode.width <= 0 || mode.height <= 0)
        return std::nullopt;
    return DesktopMode{uint32_t(mode.width), uint32_t(mode.height), uint32_t(mode.bitsPerPixel > 0 ? mode.bitsPerPixel : 32)};
}

// A folder that cannot be entered leaves the inherited one current.
bool enterFolder(const std::string& folder) { return !folder.empty() && ::chdir(folder.c_str()) == 0; }

bool isFullScreen(RunMode mode) { return mode == RunMode::FullScreen || mode == RunMode::FullScreenT; }

int dispatch(SaverApp& app, bool windowed)
{
    if (isFullScreen(app.runMode))
        return runSaver(app, windowed);
    // The configuration dialog and the preview come later; they end at once for now.
    return 0;
}

}  // namespace

void applyDesktopMode(Settings& values, const std::optional<DesktopMode>& desktop)
{
    if (desktop && values.UseDesktop) {
        values.Width = desktop->width;
        values.Height = desktop->height;
        values.Depth = desktop->depth;
    }
    const DesktopMode fill = desktop.value_or(fallbackMode);
    fillIfZero(values.Width, fill.width);
    fillIfZero(values.Height, fill.height);
    fillIfZero(values.Depth, fill.depth);
}

std::string executableFolder()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

int runEntry(int argc, const char* const* argv)
{
    installStopSignals();
    const LinuxArguments arguments = readLinuxArguments(argc, argv);
    if (arguments.action == LinuxAction::ShowHelp) {
        std::fputs(usageText(argc > 0 && argv[0] ? argv[0] : "vantrelle").c_str(), stdout);
        return 0;
    }
    if (arguments.action == LinuxAction::ShowVersion) {
        std::printf("vantrelle %s\n", VANTRELLE_VERSION);
        return 0;
    }

    SaverApp app;
    app.runMode = parseCommandLine(arguments.commandLine, app.parentWindow);
    readSettings();
    const bool videoStarted = platform::startVideo();
    if (videoStarted && isFullScreen(app.runMode))
        enumerateMonitors(app);
    applyDesktopMode(settings, queryDesktopMode(videoStarted));
    applyPathDefault(settings, executableFolder());
    computeDisplayGeometry(settings.Height, settings.WideScreen);
    enterFolder(settings.Path);
    dispatch(app, arguments.windowed);
    if (videoStarted)
        platform::stopVideo();
    return 0;
}
