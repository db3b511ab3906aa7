#include "match_finder.h"

#include <algorithm>

#include "rar_constants.h"

namespace ssdpack {

namespace {

constexpr int hashBits = 17;
constexpr uint32_t chainMask = rar::windowSize - 1;

uint32_t hash3(const uint8_t* p) {
    uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
    return (v * 2654435761u) >> (32 - hashBits);
}

uint32_t pair(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }

}  // namespace

MatchFinder::MatchFinder() { reset(); }

void MatchFinder::reset() {
    head_.assign(size_t(1) << hashBits, 0);
    previous_.assign(rar::windowSize, 0);
    pairs_.assign(65536, 0);
}

void MatchFinder::rebase(uint32_t drop) {
    auto shift = [drop](uint32_t& v) { v = v > drop ? v - drop : 0; };
    std::for_each(head_.begin(), head_.end(), shift);
    std::for_each(pairs_.begin(), pairs_.end(), shift);
    // The chain slots are indexed by position modulo the window: move them with their positions.
    std::vector<uint32_t> moved(rar::windowSize, 0);
    for (uint32_t slot = 0; slot < rar::windowSize; ++slot) {
        uint32_t link = previous_[slot];
        if (link == 0) continue;
        // slot holds the link of some position p with p % window == slot; p moves to p - drop.
        moved[(slot - drop) & chainMask] = link > drop ? link - drop : 0;
    }
    previous_.swap(moved);
}

void MatchFinder::insert(const uint8_t* data, uint32_t pos, uint32_t end) {
    if (pos + 2 <= end) pairs_[pair(data + pos)] = pos + 1;
    if (pos + 3 > end) return;
    uint32_t h = hash3(data + pos);
    previous_[pos & chainMask] = head_[h];
    head_[h] = pos + 1;
}

MatchCandidate MatchFinder::longest(const uint8_t* data, uint32_t pos, uint32_t end, int depth,
                                    uint32_t niceLength) const {
    MatchCandidate best;
    if (pos + 3 > end) return best;
    const uint32_t reach = std::min<uint32_t>(end - pos, 260);
    uint32_t link = head_[hash3(data + pos)];
    uint32_t previousCandidate = pos;
    while (link != 0 && depth-- > 0) {
        const uint32_t candidate = link - 1;
        if (candidate >= previousCandidate) break;  // a stale link from an overwritten slot
        const uint32_t distance = pos - candidate;
        if (distance > rar::windowSize) break;
        const uint32_t bonus = rar::matchLengthBonus(distance);
        const uint32_t limit = std::min<uint32_t>(reach, 258 + bonus);
        if (best.length < limit && data[candidate + best.length] == data[pos + best.length]) {
            uint32_t length = matchLength(data + candidate, data + pos, limit);
            if (length >= 3 + bonus && length > best.length) {
                best = {length, distance};
                if (length >= niceLength || length == reach) break;
            }
        }
        previousCandidate = candidate;
        link = previous_[candidate & chainMask];
    }
    return best;
}

uint32_t MatchFinder::shortDistance(const uint8_t* data, uint32_t pos, uint32_t end) const {
    if (pos + 2 > end) return 0;
    uint32_t link = pairs_[pair(data + pos)];
    if (link == 0 || link - 1 >= pos) return 0;
    uint32_t distance = pos - (link - 1);
    return distance <= 256 ? distance : 0;
}

}  // namespace ssdpack
