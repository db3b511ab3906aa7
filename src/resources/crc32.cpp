#include "resources/crc32.h"

#include <array>

namespace {

using CrcTables = std::array<std::array<uint32_t, 256>, 8>;

// tables[0] is the usual byte table (eight rounds of shift and xor per byte value); tables[k]
// advances a byte k more positions, so eight bytes fold in with one lookup each.
constexpr CrcTables makeTables()
{
    CrcTables tables{};
    for (uint32_t value = 0; value < 256; ++value) {
        uint32_t crc = value;
        for (int round = 0; round < 8; ++round)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        tables[0][value] = crc;
    }
    for (uint32_t value = 0; value < 256; ++value)
        for (int k = 1; k < 8; ++k)
            tables[k][value] = (tables[k - 1][value] >> 8) ^ tables[0][tables[k - 1][value] & 0xFF];
    return tables;
}

// The tables never change, so they are built once, at compile time.
constexpr CrcTables crcTables = makeTables();

}  // namespace

uint32_t crc32Update(uint32_t crc, const uint8_t* bytes, size_t count)
{
    const auto& t = crcTables;
    for (; count >= 8; count -= 8, bytes += 8) {
        uint32_t low = crc ^ (uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
        crc = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24] ^
              t[3][bytes[4]] ^ t[2][bytes[5]] ^ t[1][bytes[6]] ^ t[0][bytes[7]];
    }
    for (; count > 0; --count, ++bytes)
        crc = t[0][(crc ^ *bytes) & 0xFF] ^ (crc >> 8);
    return crc;
}
