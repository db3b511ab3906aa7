#include "lz_parser.h"

#include <algorithm>

#include "rar_constants.h"

namespace ssdpack {

LzLevel lzLevelFor(int method) {
    switch (method) {
    case 1: return {4, false, 32};
    case 2: return {12, false, 64};
    case 3: return {32, true, 128};
    case 4: return {128, true, 200};
    default: return {512, true, 260};
    }
}

SymbolPrices::SymbolPrices() {
    std::fill(std::begin(main), std::end(main), 10.0f);
    std::fill(main, main + 256, 8.0f);
    std::fill(std::begin(distance), std::end(distance), 5.0f);
    std::fill(std::begin(repeatLength), std::end(repeatLength), 4.0f);
}

void SymbolPrices::update(const LzCodes& codes, const LzFrequencies& freq) {
    // A symbol without a code would get one in the next table: price it as rare.
    auto price = [](const PrefixCode& code, int s, float absent) {
        return code.lengths[s] ? float(code.lengths[s]) : absent;
    };
    uint64_t literalBits = 0, literalCount = 0;
    for (int s = 0; s < 298; ++s) main[s] = price(codes.main, s, 12.0f);
    for (int s = 0; s < 48; ++s) distance[s] = price(codes.distance, s, 8.0f);
    for (int s = 0; s < 28; ++s) repeatLength[s] = price(codes.repeatLength, s, 7.0f);
    for (int s = 0; s < 256; ++s) {
        literalBits += uint64_t(freq.main[s]) * codes.main.lengths[s];
        literalCount += freq.main[s];
    }
    literalAverage = literalCount ? float(literalBits) / float(literalCount) : 8.0f;
}

float LzParser::matchCost(uint32_t distance, uint32_t length) const {
    const int k = lengthSlot(length - 3 - rar::matchLengthBonus(distance));
    const int d = distanceSlot(distance);
    return prices_.main[rar::firstLengthSymbol + k] + rar::lengthBits[k] + prices_.distance[d] + rar::distanceBits[d];
}

float LzParser::repeatCost(int index, uint32_t distance, uint32_t length) const {
    const int k = lengthSlot(length - 2 - rar::repeatLengthBonus(distance));
    return prices_.main[rar::firstRepeatSymbol + index] + prices_.repeatLength[k] + rar::lengthBits[k];
}

LzParser::Choice LzParser::best(const uint8_t* data, uint32_t pos, uint32_t end) const {
    Choice choice;
    const float literal = prices_.literalAverage;
    auto consider = [&](const LzToken& token, float cost) {
        float gain = float(token.length) * literal - cost;
        if (gain > choice.gain) choice = {token, gain};
    };
    const MatchCandidate match = finder_.longest(data, pos, end, level_.chainDepth, level_.niceLength);
    if (match.length != 0) {
        LzToken t{LzToken::Match, 0, uint16_t(match.length), match.distance};
        consider(t, matchCost(match.distance, match.length));
        // A slightly shorter match may fall into a cheaper length slot; the best is usually the longest.
    }
    const uint32_t reach = std::min<uint32_t>(end - pos, 260);
    for (int i = 0; i < 4; ++i) {
        const uint32_t distance = memory_.recent(i);
        if (distance == 0 || distance > pos) continue;
        const uint32_t bonus = rar::repeatLengthBonus(distance);
        const uint32_t limit = std::min<uint32_t>(reach, 257 + bonus);
        const uint32_t length = matchLength(data + pos - distance, data + pos, limit);
        if (i == 0 && memory_.lastLength != 0 && length >= memory_.lastLength && distance == memory_.lastDistance)
            consider({LzToken::RepeatLast, 0, uint16_t(memory_.lastLength), distance}, prices_.main[rar::repeatLastSymbol]);
        if (length >= 2 + bonus) consider({LzToken::Repeat, uint8_t(i), uint16_t(length), distance}, repeatCost(i, distance, length));
    }
    if (choice.token.length < 3) {
        const uint32_t distance = finder_.shortDistance(data, pos, end);
        if (distance != 0) {
            const int k = shortSlot(distance);
            consider({LzToken::Short, 0, 2, distance}, prices_.main[rar::firstShortSymbol + k] + rar::shortBits[k]);
        }
    }
    return choice;
}

void LzParser::insertUpTo(const uint8_t* data, uint32_t pos, uint32_t end) {
    for (; inserted_ < pos; ++inserted_) finder_.insert(data, inserted_, end);
}

uint32_t LzParser::parse(const uint8_t* data, uint32_t pos, uint32_t end, size_t maxTokens,
                         std::vector<LzToken>& tokens) {
    if (inserted_ < pos) inserted_ = pos;  // history was indexed when it was encoded
    Choice pending;
    bool havePending = false;
    while (pos < end && tokens.size() < maxTokens) {
        insertUpTo(data, pos, end);
        Choice here = havePending ? pending : best(data, pos, end);
        havePending = false;
        if (here.token.length != 0 && level_.lazy && here.token.length < level_.niceLength && pos + 1 < end) {
            insertUpTo(data, pos + 1, end);
            Choice next = best(data, pos + 1, end);
            if (next.gain > here.gain + 1.0f) {
                tokens.push_back({LzToken::Literal, 0, 1, data[pos]});
                ++pos;
                pending = next;
                havePending = true;
                continue;
            }
        }
        if (here.token.length == 0) {
            tokens.push_back({LzToken::Literal, 0, 1, data[pos]});
            ++pos;
            continue;
        }
        tokens.push_back(here.token);
        memory_.push(here.token.value, here.token.length);
        pos += here.token.length;
    }
    insertUpTo(data, pos, end);
    return pos;
}

}  // namespace ssdpack
