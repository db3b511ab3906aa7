#include "app/saver_content.h"

#include "app/music.h"
#include "app/settings.h"
#include "app/stop_signals.h"
#include "core/frame_timer.h"
#include "core/loading_progress.h"
#include "core/log.h"
#include "core/random.h"
#include "objects/object_file.h"
#include "render/glyph_font.h"
#include "render/loading_screen.h"
#include "resources/texture.h"

#include <GL/gl.h>

namespace {

platform::Window* contentWindow = nullptr;
// The dust field's speck, kept until the dust field itself exists.
Texture dustTexture = 0;

// The main window's answer to each object the reader reports: the same picture, redrawn.
void redrawLoadingImage()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawLoadingImage();
    glFinish();
    platform::swapBuffers(contentWindow);
}

}  // namespace

void loadLoadingScreen(platform::Window* mainWindow)
{
    contentWindow = mainWindow;
    buildGlyphFont();
    loadLoadingImages();
    setLoadingProgressHandler(redrawLoadingImage);
}

void prepareDustAndDirector()
{
    loadTexture(dustTexture, "textures\\particle.jpg");
}

void loadEnvironmentList()
{
    logWrite("Load environment...");
    logDone();
}

void loadStaticObjects()
{
    logWrite("Load static objects...");
    logDone();
}

void loadDynamicObjects()
{
    logWrite("Load dynamic objects...");
    readObjectFile("dynamic.txt");
    logDone();
}

void startMusicIfEnabled()
{
    if (settings.EnableMusic)
        startMusic();
}

void playLoadingFinale()
{
    float shownSeconds = 0;
    float previousFrame = 0;
    // A stop signal cuts the animation short; nothing else is taken while it plays.
    while (shownSeconds < finaleSeconds && !stopRequested()) {
        frameTimer.start();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawLoadingFinale(previousFrame);
        platform::swapBuffers(contentWindow);
        frameTimer.elapsed();
        previousFrame = float(frameTimer.elapsedSeconds);
        shownSeconds += previousFrame;
    }
}

void chooseStart()
{
    frameTimer.start();
    seedRandom(uint32_t(frameTimer.startCount));
    fpsTimer.start();
}

void stopMusicIfEnabled()
{
    if (settings.EnableMusic)
        stopMusic();
}

void releaseContent()
{
    setLoadingProgressHandler(nullptr);
}

void closeMusicFile()
{
    musicFile.close();
}
