// The audio mode of the RAR 2.0 decoder, over hand-made bit streams, checked against a plain
// model of the predictor and against unar.
#include "support/test_archive.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The per-channel predictor, written out plainly as the expected-value oracle.
class AudioModel {
public:
    uint8_t decode(int channel, int delta)
    {
        Channel& c = channels_[channel];
        ++c.count;
        c.d[3] = c.d[2], c.d[2] = c.d[1], c.d[1] = c.lastDelta - c.d[0], c.d[0] = c.lastDelta;
        int p = 8 * c.last + c.w[0] * c.d[0] + c.w[1] * c.d[1] + c.w[2] * c.d[2] + c.w[3] * c.d[3] + c.w[4] * shared_;
        p = (p >> 3) & 0xFF;
        int q = p - delta;
        int D = int(int8_t(uint8_t(delta))) * 8;
        int terms[11] = {D, D - c.d[0], D + c.d[0], D - c.d[1], D + c.d[1], D - c.d[2], D + c.d[2],
                         D - c.d[3], D + c.d[3], D - shared_, D + shared_};
        for (int i = 0; i < 11; ++i) c.e[i] += unsigned(std::abs(terms[i]));
        c.lastDelta = int8_t(uint8_t(q - c.last));
        shared_ = c.lastDelta;
        c.last = q;
        if (c.count % 32 == 0) {
            int best = 0;
            for (int i = 1; i < 11; ++i)
                if (c.e[i] < c.e[best]) best = i;
            for (unsigned& e : c.e) e = 0;
            if (best > 0) {
                int& w = c.w[(best - 1) / 2];
                if (best % 2 == 1 && w >= -16) --w;
                if (best % 2 == 0 && w < 16) ++w;
            }
        }
        return uint8_t(q);
    }

private:
    struct Channel {
        int w[5] = {}, d[4] = {}, lastDelta = 0, last = 0;
        unsigned e[11] = {}, count = 0;
    };
    Channel channels_[4];
    int shared_ = 0;
};

void expectDecodes(const char* name, const Bytes& expected, const Bytes& stream)
{
    TestEntry e;
    e.name = name;
    e.content = expected;
    e.dataArea = stream;
    e.method = 0x35;
    Bytes archive = TestArchive().entry(e).build();
    ExtractResult got = extractFrom(archive, name);
    EXPECT_EQ(got.result, 1);
    EXPECT_TRUE(got.bytes == expected);
    if (!unarAvailable()) return;
    TempFile file{"audio"};
    ASSERT_TRUE(file.write(archive));
    std::optional<Bytes> theirs = unarExtract(file.path(), name);
    ASSERT_TRUE(theirs.has_value());
    EXPECT_TRUE(*theirs == expected) << "unar disagrees";
}

std::vector<uint8_t> audioLengths(int channels) { return std::vector<uint8_t>(size_t(channels) * 257, 9); }

TEST(RarAudio, ThreeChannelsThenFewerThenBackToLz)
{
    RarStreamWriter w;
    AudioModel model;
    Bytes expected;
    uint32_t seed = 7;
    auto nextDelta = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 29; };  // small deltas: 0..7
    w.audioTables(3, audioLengths(3));
    Bytes deltas;
    for (int i = 0; i < 5; ++i) {  // channels 0, 1, 2, 0, 1: the next would be 2
        uint32_t delta = i < 3 ? uint32_t(10 * (i + 1)) : nextDelta();
        deltas.push_back(uint8_t(delta));
        w.symbol(3 + i % 3, delta);
        expected.push_back(model.decode(i % 3, int(delta)));
    }
    w.symbol(3 + 2, 256);
    w.audioTables(2, audioLengths(2));  // channel 2 is out of range now: back to channel 0
    for (int i = 0; i < 150; ++i) {
        uint32_t delta = nextDelta() + (i % 7 == 0 ? 250 : 0);
        w.symbol(3 + i % 2, delta & 0xFF);
        expected.push_back(model.decode(i % 2, int(delta & 0xFF)));
    }
    w.symbol(3 + 0, 256);
    w.lzTables(flatLzLengths());
    w.literal('e'), w.literal('n'), w.literal('d');
    w.match(6, 3);
    for (char c : std::string("endendend")) expected.push_back(uint8_t(c));

    // Fresh channels predict 0: their first bytes are the negated deltas.
    EXPECT_EQ(expected[0], uint8_t(-10));
    EXPECT_EQ(expected[1], uint8_t(-20));
    EXPECT_EQ(expected[2], uint8_t(-30));

    expectDecodes("sound.pcm", expected, w.bytes());
}

TEST(RarAudio, FourChannelsAdaptOverALongRun)
{
    RarStreamWriter w;
    AudioModel model;
    Bytes expected;
    w.audioTables(4, audioLengths(4));
    for (int i = 0; i < 4000; ++i) {
        // A slow wave per channel: the filter weights have something to learn.
        uint32_t delta = uint32_t((i / 4) % 13 < 6 ? 3 : 253) ^ uint32_t(i % 4);
        w.symbol(3 + i % 4, delta);
        expected.push_back(model.decode(i % 4, int(delta)));
    }
    expectDecodes("wave.pcm", expected, w.bytes());
}

}  // namespace
