#pragma once
// What the LZ parser emits and how each token becomes RAR 2.0 symbols.
#include <cstdint>
#include <vector>

#include "bit_writer.h"
#include "prefix_code.h"

namespace ssdpack {

struct LzToken {
    enum Kind : uint8_t { Literal, Match, Repeat, RepeatLast, Short };
    Kind kind = Literal;
    uint8_t repeatIndex = 0;  // Repeat: 0 is the most recent distance
    uint16_t length = 0;      // bytes the decoder produces
    uint32_t value = 0;       // literal byte, or the distance
};

// The decoder's memory of recent matches, kept in step with it.
struct MatchMemory {
    uint32_t distances[4] = {};
    uint32_t ringIndex = 0;
    uint32_t lastDistance = 0;
    uint32_t lastLength = 0;

    uint32_t recent(int i) const { return distances[(ringIndex - 1 - uint32_t(i)) & 3]; }
    void push(uint32_t distance, uint32_t length) {
        distances[ringIndex++ & 3] = distance;
        lastDistance = distance;
        lastLength = length;
    }
};

struct LzFrequencies {
    std::vector<uint32_t> main = std::vector<uint32_t>(298, 0);
    std::vector<uint32_t> distance = std::vector<uint32_t>(48, 0);
    std::vector<uint32_t> repeatLength = std::vector<uint32_t>(28, 0);
    uint64_t extraBits = 0;
};

struct LzCodes {
    PrefixCode main, distance, repeatLength;
};

// Symbol counts that show which parts of the format an encoding used.
struct EncodeStats {
    uint64_t literals = 0, matches = 0, repeatLast = 0, repeats[4] = {}, shorts = 0;
    uint64_t tableReads = 0, deltaTableReads = 0, audioTableReads = 0;
    uint64_t distanceSlots = 0;  // bit d: distance slot d was used
    uint32_t lengthSlots = 0;    // bit k: length slot k was used by a match
    int audioChannels = 0;       // channel count of the last audio table, 0 for none
};

int lengthSlot(uint32_t codedLength);  // slot k with base[k] <= codedLength, the largest
int distanceSlot(uint32_t distance);   // slot for distance - 1
int shortSlot(uint32_t distance);

void countToken(const LzToken& token, LzFrequencies& freq);
void writeToken(BitWriter& out, const LzToken& token, const LzCodes& codes, EncodeStats& stats);

}  // namespace ssdpack
