#pragma once
// A short Ogg Vorbis file made on the spot, for tests that play music.
#include <cstdint>
#include <vector>

// A stereo sine tone at 44100 Hz.
std::vector<uint8_t> makeTestOgg(double seconds, double frequency);
