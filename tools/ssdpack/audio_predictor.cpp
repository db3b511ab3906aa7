#include "audio_predictor.h"

#include <cstdlib>

namespace ssdpack {

namespace {

// Steps 1-3 of the decoder: shift the deltas in and predict. Returns the prediction 0..255.
int32_t predict(AudioChannel& ch, int32_t channelDelta) {
    ++ch.byteCount;
    ch.deltas[3] = ch.deltas[2];
    ch.deltas[2] = ch.deltas[1];
    ch.deltas[1] = ch.lastDelta - ch.deltas[0];
    ch.deltas[0] = ch.lastDelta;
    int32_t p = 8 * ch.lastCharacter + ch.weights[0] * ch.deltas[0] + ch.weights[1] * ch.deltas[1] +
                ch.weights[2] * ch.deltas[2] + ch.weights[3] * ch.deltas[3] + ch.weights[4] * channelDelta;
    return (p >> 3) & 0xFF;
}

void adapt(AudioChannel& ch, int32_t& channelDelta, int32_t prediction, uint8_t delta) {
    const int32_t q = prediction - delta;
    const int32_t d = int32_t(int8_t(delta)) * 8;
    const int32_t* dl = ch.deltas;
    uint32_t* e = ch.errors;
    e[0] += std::abs(d);
    e[1] += std::abs(d - dl[0]);
    e[2] += std::abs(d + dl[0]);
    e[3] += std::abs(d - dl[1]);
    e[4] += std::abs(d + dl[1]);
    e[5] += std::abs(d - dl[2]);
    e[6] += std::abs(d + dl[2]);
    e[7] += std::abs(d - dl[3]);
    e[8] += std::abs(d + dl[3]);
    e[9] += std::abs(d - channelDelta);
    e[10] += std::abs(d + channelDelta);
    ch.lastDelta = int32_t(int8_t(uint8_t(q - ch.lastCharacter)));
    channelDelta = ch.lastDelta;
    ch.lastCharacter = q;
    if (ch.byteCount % 32 != 0) return;
    int best = 0;
    for (int i = 1; i < 11; ++i)
        if (e[i] < e[best]) best = i;
    for (int i = 0; i < 11; ++i) e[i] = 0;
    if (best == 0) return;
    int32_t& w = ch.weights[(best - 1) / 2];
    if (best % 2 == 1) {
        if (w >= -16) --w;
    } else if (w < 16) {
        ++w;
    }
}

}  // namespace

uint8_t decodeAudioSymbol(AudioChannel& channel, int32_t& channelDelta, uint8_t delta) {
    const int32_t p = predict(channel, channelDelta);
    adapt(channel, channelDelta, p, delta);
    return uint8_t(channel.lastCharacter & 0xFF);
}

uint8_t AudioState::encode(uint8_t byte, int channelCount) {
    AudioChannel& ch = channels[currentChannel];
    const int32_t p = predict(ch, channelDelta);
    const uint8_t delta = uint8_t(p - byte);
    adapt(ch, channelDelta, p, delta);
    if (++currentChannel >= channelCount) currentChannel = 0;
    return delta;
}

}  // namespace ssdpack
