// The synthesised loop and its Ogg Vorbis file: no seam where the loop joins, and a file that
// holds exactly the loop's frames.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "content/ambient_piece.h"
#include "content/ogg_writer.h"

namespace {

// How far a frame lies from the straight line through the two before it.
float bend(const std::vector<float>& s, long i) {
    long n = static_cast<long>(s.size());
    auto at = [&](long k) { return s[static_cast<size_t>(((k % n) + n) % n)]; };
    return std::abs(at(i) - 2.0f * at(i - 1) + at(i - 2));
}

TEST(AmbientPiece, LoopJoinsAsSmoothlyAsAnyOtherFrame) {
    content::PieceShape shape;
    shape.chordSeconds = 1.5;  // a short loop whose sounds and reverb wrap several times over
    shape.chordCount = 4;
    content::StereoBuffer piece = content::renderPiece(shape);
    long frames = content::loopFrames(shape);
    ASSERT_EQ(static_cast<long>(piece.left.size()), frames);
    ASSERT_EQ(static_cast<long>(piece.right.size()), frames);

    for (const std::vector<float>* channel : {&piece.left, &piece.right}) {
        float worstInside = 0.0f, energy = 0.0f, peak = 0.0f;
        for (long i = 2; i < frames; ++i) worstInside = std::max(worstInside, bend(*channel, i));
        for (float v : *channel) {
            energy += v * v;
            peak = std::max(peak, std::abs(v));
        }
        EXPECT_GT(std::sqrt(energy / frames), 0.02f) << "the piece is nearly silent";
        EXPECT_LT(peak, 1.0f);
        // Frames 0 and 1 are the ones bent by whatever happens at the join.
        EXPECT_LE(bend(*channel, 0), worstInside);
        EXPECT_LE(bend(*channel, 1), worstInside);
    }
}

struct OggPage {
    uint8_t flags;
    int64_t granule;
    std::vector<uint8_t> body;
};

std::vector<OggPage> readPages(const std::vector<unsigned char>& bytes) {
    std::vector<OggPage> pages;
    size_t at = 0;
    while (at + 27 <= bytes.size() && std::memcmp(&bytes[at], "OggS", 4) == 0) {
        OggPage page;
        page.flags = bytes[at + 5];
        uint64_t granule = 0;
        for (int i = 7; i >= 0; --i) granule = (granule << 8) | bytes[at + 6 + i];
        page.granule = static_cast<int64_t>(granule);
        size_t segments = bytes[at + 26], bodySize = 0;
        if (at + 27 + segments > bytes.size()) break;
        for (size_t s = 0; s < segments; ++s) bodySize += bytes[at + 27 + s];
        size_t body = at + 27 + segments;
        if (body + bodySize > bytes.size()) break;
        page.body.assign(bytes.begin() + body, bytes.begin() + body + bodySize);
        pages.push_back(page);
        at = body + bodySize;
    }
    EXPECT_EQ(at, bytes.size()) << "bytes after the last whole page";
    return pages;
}

TEST(OggWriter, StreamEndsExactlyAtTheWantedFrame) {
    constexpr int kRate = 44100;
    constexpr long kFrames = 30011;  // not a multiple of any block size
    content::StereoBuffer tone;
    for (long i = 0; i < kFrames + 4096; ++i) {  // more than is wanted: the rest is cut off
        tone.left.push_back(0.3f * static_cast<float>(std::sin(i * 0.05)));
        tone.right.push_back(0.3f * static_cast<float>(std::cos(i * 0.03)));
    }
    std::vector<unsigned char> ogg = content::encodeOggVorbis(tone, kFrames, kRate, 0.5f);
    std::vector<OggPage> pages = readPages(ogg);
    ASSERT_GE(pages.size(), 3u);

    // Identification header alone on the first page: "\x01vorbis", version, channels, rate.
    const std::vector<uint8_t>& id = pages[0].body;
    ASSERT_GE(id.size(), 16u);
    EXPECT_EQ(0, std::memcmp(id.data(), "\x01vorbis", 7));
    EXPECT_EQ(id[11], 2);
    EXPECT_EQ(id[12] | id[13] << 8 | id[14] << 16 | id[15] << 24, kRate);
    EXPECT_TRUE(pages[0].flags & 0x02) << "first page not marked as the beginning";

    EXPECT_EQ(pages.back().granule, kFrames);
    EXPECT_TRUE(pages.back().flags & 0x04) << "last page not marked as the end";
    for (size_t i = 0; i + 1 < pages.size(); ++i) EXPECT_FALSE(pages[i].flags & 0x04);

    EXPECT_EQ(content::encodeOggVorbis(tone, kFrames, kRate, 0.5f), ogg) << "the same samples gave other bytes";
    EXPECT_TRUE(content::encodeOggVorbis(tone, kFrames + 5000, kRate, 0.5f).empty());
}

} // namespace
