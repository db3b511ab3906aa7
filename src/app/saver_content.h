#pragma once
// The show's content in the full-screen run: loading it, starting it and letting it go. Each step
// keeps its place and its log lines in the run; the scene and object code fills them in.
#include "platform/platform.h"

// The glyph font, then the loading images; the main window then redraws the loading picture
// for each object read.
void loadLoadingScreen(platform::Window* mainWindow);
void prepareDustAndDirector();  // the dust field and the director's starting view
void loadEnvironmentList();   // "Load environment...done"
void loadStaticObjects();     // "Load static objects...done"
void loadDynamicObjects();    // "Load dynamic objects...done"
void startMusicIfEnabled();
void playLoadingFinale();     // the loading screen's six-second closing animation
void chooseStart();           // seeds the generator; the first scene script, world and cycle
void stopMusicIfEnabled();
void releaseContent();        // empties the lists; the objects live until the process ends
void closeMusicFile();        // the run's last act, once the audio output is gone
