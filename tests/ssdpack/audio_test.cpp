// The audio mode: the packer predicts each channel as the decoder does and picks the channel count.
#include "pack_fixture.h"

using namespace packtest;

namespace {

struct AudioCase {
    const char* label;
    int channels;
    int bytesPerSample;
    int expectedChannels;  // byte channels the packer should settle on
};

class PackAudio : public ::testing::TestWithParam<AudioCase> {};

TEST_P(PackAudio, PicksTheChannelCountAndBeatsPlainLz) {
    const AudioCase& c = GetParam();
    const std::vector<Entry> entries = {{"sound.raw", pcm(120000 / size_t(c.channels * c.bytesPerSample) * 2, c.channels, c.bytesPerSample, 5)}};
    ssdpack::PackOptions options;
    options.method = 5;
    options.audio = true;
    PackedArchive audio(entries, options);
    expectBothDecodersExtract(audio, entries);
    options.audio = false;
    PackedArchive plain(entries, options);
    EXPECT_EQ(audio.infos()[0].stats.audioChannels, c.expectedChannels);
    EXPECT_LT(audio.infos()[0].packedSize, plain.infos()[0].packedSize * 9 / 10);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PackAudio,
                         ::testing::Values(AudioCase{"mono8", 1, 1, 1}, AudioCase{"stereo16", 2, 2, 4},
                                           AudioCase{"three8", 3, 1, 3}, AudioCase{"four8", 4, 1, 4}),
                         [](const auto& info) { return std::string(info.param.label); });

// In a solid chain the predictors, the channel and the tables carry over between entries, across
// changes of mode and of channel count.
TEST(PackAudioSolid, ModeAndChannelChangesAcrossEntries) {
    Bytes fourChannels = pcm(15000, 4, 1, 4);
    fourChannels.insert(fourChannels.end(), {128, 129, 130});  // leaves the decoder on channel 3
    const std::vector<Entry> entries = {{"a.raw", pcm(40000, 3, 1, 1)},
                                        {"b.txt", textLike(30000, 2)},
                                        {"c.raw", pcm(20000, 1, 1, 3)},
                                        {"d.raw", fourChannels},
                                        {"e.raw", pcm(15001, 3, 1, 5)}};
    ssdpack::PackOptions options;
    options.method = 3;
    options.solid = true;
    options.audio = true;
    PackedArchive archive(entries, options);
    expectBothDecodersExtract(archive, entries);
    EXPECT_EQ(archive.infos()[0].stats.audioChannels, 3);
    EXPECT_EQ(archive.infos()[1].stats.audioChannels, 0);
    EXPECT_EQ(archive.infos()[3].stats.audioChannels, 4);
    EXPECT_EQ(archive.infos()[4].stats.audioChannels, 3);
    for (size_t i = 1; i < entries.size(); ++i) EXPECT_TRUE(archive.infos()[i].continued) << i;
}

}  // namespace
