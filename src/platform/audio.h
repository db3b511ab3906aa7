#pragma once
// Music output: one looping piece decoded from bytes in memory, with an output volume the saver
// sets at start and gives back at exit.
#include <cstddef>
#include <cstdint>

namespace platform {

bool openAudioOutput();  // 44100 Hz; false when no output device can be opened
void closeAudioOutput();
bool audioOutputOpen();

// The output volume, 0..100, applied to everything the output plays.
uint32_t outputVolume();
void setOutputVolume(uint32_t volume);

// Plays Ogg Vorbis bytes from the start, looped without end, at volume 0..100. The bytes must stay
// valid until stopMusic.
bool playLoopedMusic(const uint8_t* bytes, size_t size, uint32_t volume);
void stopMusic();

}  // namespace platform
