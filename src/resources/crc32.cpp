#include "resources/crc32.h"

#include <array>

namespace {

constexpr std::array<uint32_t, 256> makeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t value = 0; value < 256; ++value) {
        uint32_t crc = value;
        for (int round = 0; round < 8; ++round)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        table[value] = crc;
    }
    return table;
}

// The table never changes, so it is built once, at compile time.
constexpr std::array<uint32_t, 256> crcTable = makeTable();

}  // namespace

uint32_t crc32Update(uint32_t crc, const uint8_t* bytes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        crc = crcTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}
