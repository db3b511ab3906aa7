#include "app/saver_run.h"

#include "app/display_geometry.h"
#include "app/input_state.h"
#include "app/main_loop.h"
#include "app/saver_content.h"
#include "app/settings.h"
#include "core/frame_timer.h"
#include "core/log.h"
#include "platform/platform.h"
#include "render/display_hooks.h"
#include "render/gamma_ramp.h"
#include "render/gl_context.h"

namespace {

constexpr const char* windowTitle = "Vantrelle";

platform::Window* windowOf(const MonitorInfo& record) { return static_cast<platform::Window*>(record.window); }

void setDisplayMode()
{
    logWrite("Set resolution: ").write(settings.Width).write("x").write(settings.Height).write(" ...");
    // The mode itself changes when the full-screen main window first shows.
    platform::showCursor(false);
    logDone();
}

platform::ScreenMode screenMode(bool windowed)
{
    if (windowed)
        return platform::ScreenMode::Windowed;
    return settings.UseDesktop ? platform::ScreenMode::DesktopMode : platform::ScreenMode::ClosestMode;
}

platform::Window* createWindowFor(const MonitorInfo& record, platform::Window* mainWindow, bool windowed)
{
    if (!mainWindow) {
        platform::Window* window = platform::createMainWindow(windowTitle, int(settings.Width),
                                                              int(settings.Height), screenMode(windowed));
        // Without a context there is nothing to draw with: that counts as a failed window.
        if (window && !platform::createGLContext(window)) {
            platform::destroyWindow(window);
            return nullptr;
        }
        return window;
    }
    const MonitorRect& r = record.monitorRect;
    return platform::createCoverWindow(windowTitle, platform::Rect{r.left, r.top, r.right, r.bottom});
}

void destroyWindows(SaverApp& app)
{
    for (uint32_t i = 0; i < app.monitorCount; ++i) {
        platform::destroyWindow(windowOf(app.monitors[i]));
        app.monitors[i].window = nullptr;
    }
}

// One window per used display: the first gets the GL window, the others black covers.
platform::Window* createWindows(SaverApp& app, bool windowed)
{
    platform::Window* mainWindow = nullptr;
    for (uint32_t i = 0; i < app.monitorCount; ++i) {
        MonitorInfo& record = app.monitors[i];
        if (!record.monitorHandle)
            continue;
        if (windowed && mainWindow)
            break;
        const MonitorRect& r = record.monitorRect;
        logWrite("Create window for monitor <").write(record.monitorName).write(">:");
        logWrite(int32_t(r.right - r.left)).write("x").write(int32_t(r.bottom - r.top)).write("...");
        platform::Window* window = createWindowFor(record, mainWindow, windowed);
        if (!window) {
            // Give back what was made: the display must not stay switched or covered.
            destroyWindows(app);
            return nullptr;
        }
        record.window = window;
        if (!mainWindow)
            mainWindow = window;
        logDone();
    }
    return mainWindow;
}

// A display that refused the mode holds the window at its own size: draw to the whole of it.
void adoptWindowSize(platform::Window* mainWindow)
{
    int width = 0;
    int height = 0;
    platform::windowClientSize(mainWindow, width, height);
    if (width <= 0 || height <= 0 || (uint32_t(width) == settings.Width && uint32_t(height) == settings.Height))
        return;
    settings.Width = uint32_t(width);
    settings.Height = uint32_t(height);
    computeDisplayGeometry(settings.Height, settings.WideScreen);
}

void showWindows(SaverApp& app, platform::Window* mainWindow)
{
    for (uint32_t i = 0; i < app.monitorCount; ++i)
        if (platform::Window* window = windowOf(app.monitors[i]))
            platform::showWindow(window);
    platform::focusWindow(mainWindow);
    adoptWindowSize(mainWindow);
}

void installDisplayHooks()
{
    setDisplayHooks(DisplayHooks{platform::glProcAddress, platform::setSwapInterval, platform::readGammaRamp,
                                 platform::writeGammaRamp});
}

void loadContent(platform::Window* mainWindow)
{
    logSection("Load resources");
    loadLoadingScreen(mainWindow);
    prepareDustAndDirector();
    loadEnvironmentList();
    loadStaticObjects();
    loadDynamicObjects();
    startMusicIfEnabled();
    playLoadingFinale();
    chooseStart();
}

void centreCursor(platform::Window* mainWindow)
{
    int width = 0;
    int height = 0;
    platform::windowClientSize(mainWindow, width, height);
    platform::warpCursor(mainWindow, width / 2, height / 2);
}

void shutDown(SaverApp& app, platform::Window* mainWindow)
{
    logWrite("...Exit");
    stopMusicIfEnabled();
    if (!settings.DefGamma)
        restoreGammaRamp();
    releaseContent();
    platform::restoreDisplayMode();
    platform::deleteGLContext(mainWindow);
    platform::showCursor(true);
    destroyWindows(app);
    setDisplayHooks(DisplayHooks{});
    closeMusicFile();
}

}  // namespace

int runSaver(SaverApp& app, bool windowed)
{
    resetInputState();
    logSection("Start screensaver");
    logWrite("Path is <").write(settings.Path).write(">\n");
    setDisplayMode();
    platform::Window* mainWindow = createWindows(app, windowed);
    if (!mainWindow) {
        platform::showCursor(true);
        return 0;
    }
    platform::installCounter();
    initTimerFrequency();
    clearKeyFlags();
    showWindows(app, mainWindow);

    logSection("Initialize OpenGL");
    installDisplayHooks();
    initGL();
    loadContent(mainWindow);

    clearAnyInput();
    centreCursor(mainWindow);
    logSection("Starting main loop");
    runMainLoop(mainWindow);
    shutDown(app, mainWindow);
    return 0;
}
