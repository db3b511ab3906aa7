#include "lz_tokens.h"

#include "rar_constants.h"

namespace ssdpack {

int lengthSlot(uint32_t codedLength) {
    int k = 27;
    while (k > 0 && rar::lengthBase[k] > codedLength) --k;
    return k;
}

int distanceSlot(uint32_t distance) {
    // Two slots per power of two up to 256 KiB, then one per 64 KiB.
    const uint32_t v = distance - 1;
    if (v < 4) return int(v);
    if (v >= 0x40000) return 36 + int((v - 0x40000) >> 16);
    const int top = 31 - __builtin_clz(v);
    return 2 * top + int((v >> (top - 1)) & 1);
}

int shortSlot(uint32_t distance) {
    int k = 7;
    while (k > 0 && rar::shortBase[k] > distance - 1) --k;
    return k;
}

namespace {

// Coded length of a match: the decoder adds 3 and the long-distance bonus.
uint32_t matchCodedLength(const LzToken& t) { return t.length - 3 - rar::matchLengthBonus(t.value); }
uint32_t repeatCodedLength(const LzToken& t) { return t.length - 2 - rar::repeatLengthBonus(t.value); }

void putCode(BitWriter& out, const PrefixCode& code, int symbol) {
    out.put(code.codes[symbol], code.lengths[symbol]);
}

}  // namespace

void countToken(const LzToken& t, LzFrequencies& freq) {
    switch (t.kind) {
    case LzToken::Literal:
        ++freq.main[t.value];
        break;
    case LzToken::Match: {
        int k = lengthSlot(matchCodedLength(t));
        int d = distanceSlot(t.value);
        ++freq.main[rar::firstLengthSymbol + k];
        ++freq.distance[d];
        freq.extraBits += rar::lengthBits[k] + rar::distanceBits[d];
        break;
    }
    case LzToken::Repeat: {
        int k = lengthSlot(repeatCodedLength(t));
        ++freq.main[rar::firstRepeatSymbol + t.repeatIndex];
        ++freq.repeatLength[k];
        freq.extraBits += rar::lengthBits[k];
        break;
    }
    case LzToken::RepeatLast:
        ++freq.main[rar::repeatLastSymbol];
        break;
    case LzToken::Short: {
        int k = shortSlot(t.value);
        ++freq.main[rar::firstShortSymbol + k];
        freq.extraBits += rar::shortBits[k];
        break;
    }
    }
}

void writeToken(BitWriter& out, const LzToken& t, const LzCodes& codes, EncodeStats& stats) {
    switch (t.kind) {
    case LzToken::Literal:
        putCode(out, codes.main, int(t.value));
        ++stats.literals;
        break;
    case LzToken::Match: {
        const uint32_t coded = matchCodedLength(t);
        const int k = lengthSlot(coded);
        const int d = distanceSlot(t.value);
        putCode(out, codes.main, rar::firstLengthSymbol + k);
        out.put(coded - rar::lengthBase[k], rar::lengthBits[k]);
        putCode(out, codes.distance, d);
        out.put(t.value - 1 - rar::distanceBase[d], rar::distanceBits[d]);
        ++stats.matches;
        stats.distanceSlots |= uint64_t(1) << d;
        stats.lengthSlots |= 1u << k;
        break;
    }
    case LzToken::Repeat: {
        const uint32_t coded = repeatCodedLength(t);
        const int k = lengthSlot(coded);
        putCode(out, codes.main, rar::firstRepeatSymbol + t.repeatIndex);
        putCode(out, codes.repeatLength, k);
        out.put(coded - rar::lengthBase[k], rar::lengthBits[k]);
        ++stats.repeats[t.repeatIndex];
        break;
    }
    case LzToken::RepeatLast:
        putCode(out, codes.main, rar::repeatLastSymbol);
        ++stats.repeatLast;
        break;
    case LzToken::Short: {
        const int k = shortSlot(t.value);
        putCode(out, codes.main, rar::firstShortSymbol + k);
        out.put(t.value - 1 - rar::shortBase[k], rar::shortBits[k]);
        ++stats.shorts;
        break;
    }
    }
}

}  // namespace ssdpack
