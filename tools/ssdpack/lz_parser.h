#pragma once
// Turns bytes into LZ tokens: hash-chain matches, the four recent distances, the repeat of the
// last match and short matches, each weighed by what its symbols cost under the latest codes.
#include <cstdint>
#include <vector>

#include "lz_tokens.h"
#include "match_finder.h"

namespace ssdpack {

struct LzLevel {
    int chainDepth = 32;
    bool lazy = true;
    uint32_t niceLength = 128;
};

LzLevel lzLevelFor(int method);  // method 1..5

// Approximate bits per symbol, taken from the codes of the block before.
struct SymbolPrices {
    float main[298];
    float distance[48];
    float repeatLength[28];
    float literalAverage = 8;

    SymbolPrices();
    void update(const LzCodes& codes, const LzFrequencies& freq);
};

class LzParser {
public:
    LzParser(MatchFinder& finder, MatchMemory& memory, const SymbolPrices& prices, LzLevel level)
        : finder_(finder), memory_(memory), prices_(prices), level_(level) {}

    // Parses data[pos, end) into at most maxTokens tokens; returns where it stopped. Positions before
    // pos (down to 0) are history the matches may reach into.
    uint32_t parse(const uint8_t* data, uint32_t pos, uint32_t end, size_t maxTokens, std::vector<LzToken>& tokens);

private:
    struct Choice {
        LzToken token;
        float gain = 0;  // bits saved against literals
    };
    Choice best(const uint8_t* data, uint32_t pos, uint32_t end) const;
    float matchCost(uint32_t distance, uint32_t length) const;
    float repeatCost(int index, uint32_t distance, uint32_t length) const;
    void insertUpTo(const uint8_t* data, uint32_t pos, uint32_t end);

    MatchFinder& finder_;
    MatchMemory& memory_;
    const SymbolPrices& prices_;
    LzLevel level_;
    uint32_t inserted_ = 0;  // positions below this are in the finder
};

}  // namespace ssdpack
