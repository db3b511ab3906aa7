#include "app/main_loop.h"

#include "app/input_state.h"
#include "app/settings.h"
#include "app/stop_signals.h"
#include "app/window_input.h"
#include "core/frame_timer.h"

#include <GL/gl.h>

namespace {

platform::Window* loopWindow = nullptr;
double frameSeconds = 0.0;

void recentreCursor()
{
    int width = 0;
    int height = 0;
    platform::windowClientSize(loopWindow, width, height);
    platform::warpCursor(loopWindow, width / 2, height / 2);
}

// Until the show's own drawing exists: a black frame, and the one-second window in which the
// mouse movement is summed.
void drawBlackFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (fpsTimer.elapsed() > 1.0) {
        resetMouseTotal();
        fpsTimer.start();
    }
    glFlush();
}

}  // namespace

double lastFrameSeconds() { return frameSeconds; }

bool frameStep(platform::Window* mainWindow)
{
    loopWindow = mainWindow;
    const bool running = !runExitTests(settings.MouseExit, recentreCursor);
    frameTimer.elapsed();
    frameTimer.start();
    frameSeconds = frameTimer.elapsedSeconds;
    // The scene's time, camera, object updates and aim come with the scene director.
    drawBlackFrame();
    platform::swapBuffers(mainWindow);
    return running;
}

void runMainLoop(platform::Window* mainWindow)
{
    bool running = true;
    while (running && !stopRequested()) {
        platform::Event event;
        if (platform::pollEvent(event))
            running = dispatchEvent(event, mainWindow);
        else
            running = frameStep(mainWindow);
    }
}
