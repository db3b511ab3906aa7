#include "checksum.h"

#include <array>

namespace ssdpack {

namespace {

std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

}  // namespace

uint32_t crc32Continue(uint32_t crc, const uint8_t* bytes, size_t count) {
    static const std::array<uint32_t, 256> table = makeTable();
    for (size_t i = 0; i < count; ++i) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

uint32_t crc32Of(const uint8_t* bytes, size_t count) {
    return ~crc32Continue(0xFFFFFFFFu, bytes, count);
}

}  // namespace ssdpack
