#include "resources/rar_audio.h"

namespace {

uint32_t magnitude(int32_t value) { return uint32_t(value < 0 ? -value : value); }

void adapt(AudioChannel& c)
{
    uint32_t best = 0;
    for (uint32_t i = 1; i < 11; ++i)
        if (c.errorSums[i] < c.errorSums[best]) best = i;
    for (uint32_t& sum : c.errorSums) sum = 0;
    if (best == 0) return;
    int32_t& weight = c.weights[(best - 1) / 2];
    if (best % 2 == 1) {
        if (weight >= -16) --weight;
    } else {
        if (weight < 16) ++weight;
    }
}

}  // namespace

uint8_t decodeAudioByte(AudioChannel& c, int32_t& channelDelta, uint32_t delta)
{
    int32_t* d = c.deltas;
    const int32_t* w = c.weights;
    ++c.byteCount;
    d[3] = d[2];
    d[2] = d[1];
    d[1] = c.lastDelta - d[0];
    d[0] = c.lastDelta;
    int32_t predicted = 8 * c.lastCharacter + w[0] * d[0] + w[1] * d[1] + w[2] * d[2] + w[3] * d[3] + w[4] * channelDelta;
    predicted = (predicted >> 3) & 0xFF;
    int32_t value = predicted - int32_t(delta);
    int32_t scaled = int32_t(int8_t(uint8_t(delta))) * 8;

    uint32_t* e = c.errorSums;
    e[0] += magnitude(scaled);
    e[1] += magnitude(scaled - d[0]);
    e[2] += magnitude(scaled + d[0]);
    e[3] += magnitude(scaled - d[1]);
    e[4] += magnitude(scaled + d[1]);
    e[5] += magnitude(scaled - d[2]);
    e[6] += magnitude(scaled + d[2]);
    e[7] += magnitude(scaled - d[3]);
    e[8] += magnitude(scaled + d[3]);
    e[9] += magnitude(scaled - channelDelta);
    e[10] += magnitude(scaled + channelDelta);

    c.lastDelta = int8_t(uint8_t(value - c.lastCharacter));
    channelDelta = c.lastDelta;
    c.lastCharacter = value;
    if (c.byteCount % 32 == 0) adapt(c);
    return uint8_t(value & 0xFF);
}
