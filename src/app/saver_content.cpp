#include "app/saver_content.h"

#include "core/frame_timer.h"
#include "core/log.h"
#include "core/random.h"

void loadLoadingScreen() {}

void prepareDustAndDirector() {}

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
    logDone();
}

void startMusicIfEnabled() {}

void playLoadingFinale() {}

void chooseStart()
{
    frameTimer.start();
    seedRandom(uint32_t(frameTimer.startCount));
    fpsTimer.start();
}

void stopMusicIfEnabled() {}

void releaseContent() {}
