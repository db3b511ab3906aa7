#pragma once
// The RAR 2.0 audio mode: each channel predicts its next byte with an adaptive linear filter.
#include <cstdint>

struct AudioChannel {
    int32_t weights[5] = {};      // w1..w5, kept in -17..16
    int32_t deltas[4] = {};       // d1..d4
    int32_t lastDelta = 0;        // a signed 8-bit value
    uint32_t errorSums[11] = {};  // for adaptation
    uint32_t byteCount = 0;
    int32_t lastCharacter = 0;    // before it is cut to 8 bits
};

// Turns one audio symbol (0..255) into the channel's next byte. channelDelta is shared by
// all channels: the last delta of whichever channel decoded last.
uint8_t decodeAudioByte(AudioChannel& channel, int32_t& channelDelta, uint32_t delta);
