#include "resources/rar_tables.h"

#include <cstring>

namespace {

void fillQuickTable(DecodeTable& table)
{
    constexpr uint32_t shift = 16 - DecodeTable::quickBits;
    for (uint32_t prefix = 0; prefix < (1u << DecodeTable::quickBits); ++prefix) {
        uint32_t bits = prefix << shift;
        uint32_t length = 1;
        while (length <= DecodeTable::quickBits && bits >= table.limits[length]) ++length;
        if (length > DecodeTable::quickBits) {
            table.quickLengths[prefix] = 0;
            continue;
        }
        uint32_t index = table.positions[length] + ((bits - table.limits[length - 1]) >> (16 - length));
        if (index >= table.symbolCount) index = 0;
        table.quickLengths[prefix] = uint8_t(length);
        table.quickSymbols[prefix] = table.symbols[index];
    }
}

}  // namespace

void buildDecodeTable(DecodeTable& table, const uint8_t* lengths, uint32_t symbolCount)
{
    uint32_t count[16] = {};
    for (uint32_t s = 0; s < symbolCount; ++s) ++count[lengths[s] & 15];
    count[0] = 0;
    uint32_t n = 0;
    table.limits[0] = 0;
    table.positions[0] = 0;
    for (uint32_t length = 1; length < 16; ++length) {
        n = 2 * (n + count[length]);
        uint32_t limit = n << (15 - length);
        table.limits[length] = limit > 0xFFFF ? 0xFFFF : limit;
        table.positions[length] = table.positions[length - 1] + count[length - 1];
    }
    uint32_t next[16];
    std::memcpy(next, table.positions, sizeof next);
    std::memset(table.symbols, 0, sizeof table.symbols);
    for (uint32_t s = 0; s < symbolCount; ++s)
        if (lengths[s] & 15) table.symbols[next[lengths[s] & 15]++] = uint16_t(s);
    table.symbolCount = symbolCount;
    fillQuickTable(table);
}

namespace rar {
const uint8_t lengthBase[28] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  10,  12,  14,  16,  20,
                                24, 28, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224};
const uint8_t lengthBits[28] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
const uint32_t distanceBase[48] = {
    0,      1,      2,      3,      4,      6,      8,      12,     16,     24,     32,     48,
    64,     96,     128,    192,    256,    384,    512,    768,    1024,   1536,   2048,   3072,
    4096,   6144,   8192,   12288,  16384,  24576,  32768,  49152,  65536,  98304,  131072, 196608,
    262144, 327680, 393216, 458752, 524288, 589824, 655360, 720896, 786432, 851968, 917504, 983040};
const uint8_t distanceBits[48] = {0,  0,  0,  0,  1,  1,  2,  2,  3,  3,  4,  4,  5,  5,  6,  6,
                                  7,  7,  8,  8,  9,  9,  10, 10, 11, 11, 12, 12, 13, 13, 14, 14,
                                  15, 15, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16, 16};
const uint8_t shortDistanceBase[8] = {0, 4, 8, 16, 32, 64, 128, 192};
const uint8_t shortDistanceBits[8] = {2, 2, 3, 4, 5, 6, 6, 6};
}  // namespace rar
