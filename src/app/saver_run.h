#pragma once
// The full-screen run: windows on every display, the GL state, the content, the main loop, and the
// shutdown that gives the display back.
#include "app/saver_app.h"

// windowed: one ordinary window instead of full screen (the --window convenience).
int runSaver(SaverApp& app, bool windowed = false);
