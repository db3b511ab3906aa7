#pragma once
// The looping music of the full-screen run, streamed from "music.ogg" in the archive.
#include "resources/resource_file.h"

// Holds the bytes the output plays from; closed by the saver run as its last act.
extern ResourceFile musicFile;
extern uint32_t previousVolume;

// Opens the output, sets its volume to Volume and starts "music.ogg" looped. Without an output
// device the show runs silent.
void startMusic();
// Gives the output volume back and closes the output.
void stopMusic();
