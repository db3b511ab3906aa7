#pragma once
// Canonical prefix-code tables of the RAR 2.0 method and its constant tables.
#include "resources/rar_bit_input.h"

#include <cstdint>

struct DecodeTable {
    static constexpr uint32_t maxSymbols = 298;
    static constexpr uint32_t quickBits = 10;
    uint32_t symbolCount = 0;
    uint32_t limits[16] = {};     // left-aligned 16-bit bound below which a code has at most L bits
    uint32_t positions[16] = {};  // index in symbols of the first code of each length
    uint16_t symbols[maxSymbols] = {};
    // For each 10-bit prefix, the code length when it is at most 10 (else 0) and the symbol it
    // decodes to. Below 11 bits every limit is a multiple of 64, so a prefix decides the result.
    uint8_t quickLengths[1u << quickBits] = {};
    uint16_t quickSymbols[1u << quickBits] = {};
};

// Only the low 4 bits of each length count; 0 means the symbol has no code.
void buildDecodeTable(DecodeTable& table, const uint8_t* lengths, uint32_t symbolCount);

inline uint32_t decodeSymbol(BitCursor& input, const DecodeTable& table)
{
    uint32_t bits = input.peek() & 0xFFFE;
    uint32_t prefix = bits >> (16 - DecodeTable::quickBits);
    if (uint32_t quick = table.quickLengths[prefix]) {
        input.skip(quick);
        return table.quickSymbols[prefix];
    }
    uint32_t length = DecodeTable::quickBits + 1;
    while (length < 15 && bits >= table.limits[length]) ++length;
    input.skip(length);
    uint32_t index = table.positions[length] + ((bits - table.limits[length - 1]) >> (16 - length));
    if (index >= table.symbolCount) index = 0;
    return table.symbols[index];
}

namespace rar {
extern const uint8_t lengthBase[28];
extern const uint8_t lengthBits[28];
extern const uint32_t distanceBase[48];
extern const uint8_t distanceBits[48];
extern const uint8_t shortDistanceBase[8];
extern const uint8_t shortDistanceBits[8];
}  // namespace rar
