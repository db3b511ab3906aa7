#pragma once
// Hash chains over the bytes seen so far (the solid stream), for matches up to 1 MiB back.
#include <cstdint>
#include <vector>

namespace ssdpack {

struct MatchCandidate {
    uint32_t length = 0;
    uint32_t distance = 0;
};

class MatchFinder {
public:
    MatchFinder();
    void reset();
    // Positions below drop are forgotten; the others move down by drop.
    void rebase(uint32_t drop);
    // Indexes the three bytes at pos (pos + 3 <= end) and the two at pos (pos + 2 <= end).
    void insert(const uint8_t* data, uint32_t pos, uint32_t end);
    // Longest match at pos of a length the RAR 2.0 match codes can express for its distance.
    MatchCandidate longest(const uint8_t* data, uint32_t pos, uint32_t end, int depth, uint32_t niceLength) const;
    // Most recent position sharing the two bytes at pos, within short-match reach (256), or 0 distance.
    uint32_t shortDistance(const uint8_t* data, uint32_t pos, uint32_t end) const;

private:
    std::vector<uint32_t> head_;      // position + 1 of the latest string with this hash, 0 for none
    std::vector<uint32_t> previous_;  // position + 1 of the string before it with the same hash
    std::vector<uint32_t> pairs_;     // position + 1 of the latest occurrence of each byte pair
};

// Bytes equal at a and b, up to limit.
inline uint32_t matchLength(const uint8_t* a, const uint8_t* b, uint32_t limit) {
    uint32_t n = 0;
    while (n < limit && a[n] == b[n]) ++n;
    return n;
}

}  // namespace ssdpack
