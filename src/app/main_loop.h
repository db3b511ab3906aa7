#pragma once
// The running show: a non-blocking event pump that draws a frame whenever no event waits.
#include "platform/platform.h"

// Runs until an exit rule fires, a close or quit arrives, or a stop signal came.
void runMainLoop(platform::Window* mainWindow);

// One frame: the exit tests, the frame time, the drawing and the swap. Returns whether the show
// goes on; the frame in which an exit fires is still drawn.
bool frameStep(platform::Window* mainWindow);

// The frame's time step as the last frameStep measured it, in seconds.
double lastFrameSeconds();
