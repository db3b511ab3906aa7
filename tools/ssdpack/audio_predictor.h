#pragma once
// The adaptive per-channel predictor of the RAR 2.0 audio mode, run exactly as the decoder runs it,
// so the encoder can pick the symbol that makes the decoder produce each byte.
#include <cstdint>

namespace ssdpack {

struct AudioChannel {
    int32_t weights[5] = {};
    int32_t deltas[4] = {};
    int32_t lastDelta = 0;
    uint32_t errors[11] = {};
    uint32_t byteCount = 0;
    int32_t lastCharacter = 0;
};

struct AudioState {
    AudioChannel channels[4];
    int32_t channelDelta = 0;  // shared by all channels
    int currentChannel = 0;

    // The symbol that decodes to byte on the current channel; advances the state and the channel.
    uint8_t encode(uint8_t byte, int channelCount);
};

// One decoder step: the byte the symbol delta decodes to on this channel.
uint8_t decodeAudioSymbol(AudioChannel& channel, int32_t& channelDelta, uint8_t delta);

}  // namespace ssdpack
