#pragma once
// The main window's input: platform events turned into the key flags and the mouse delta the exit
// tests read.
#include "platform/platform.h"

// Applies one event; false when it ends the show (a close request or the quit message).
bool dispatchEvent(const platform::Event& event, const platform::Window* mainWindow);
